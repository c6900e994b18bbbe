"""The browser edition in a real browser: headless Chromium over the bundle.

    scripts/web-test [--screenshots DIR]

Checks that the page gives the desktop's JSON for the six examples byte for
byte, refuses a bad design with the desktop's message and focuses its control,
and saves a loaded design back to the same bytes. It writes screenshots of the
form and of the first report page, and prints how long the page takes to
become usable and to calculate and draw the report.
"""

import argparse
import functools
import http.server
import json
import os
import pathlib
import shutil
import socketserver
import subprocess
import sys
import tempfile
import threading
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

EXAMPLES = ["morioka_arc", "nagaoka_cantilever", "nagoya_direct_loads", "naha_canopy",
            "sapporo_gable", "tokyo_mono_pitch"]

failures = []


def check(condition, what):
    print(("ok   " if condition else "FAIL ") + what)
    if not condition:
        failures.append(what)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript"}

    def log_message(self, *args):
        pass


def serve(folder):
    handler = functools.partial(QuietHandler, directory=str(folder))
    server = socketserver.TCPServer(("127.0.0.1", 0), handler)
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def browser():
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=1000,1400"]:
        options.add_argument(argument)
    service = Service(executable_path="/usr/bin/chromedriver")
    return webdriver.Chrome(options=options, service=service)


def wait_ready(driver, seconds=30):
    WebDriverWait(driver, seconds).until(
        lambda d: d.execute_script("return document.body.dataset.ready === '1'"))


def open_form(driver, base):
    driver.get(base + "/index.html")
    wait_ready(driver)


def message_text(driver):
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return document.getElementById('messageBox').open"))
    return driver.execute_script("return document.getElementById('messageText').textContent")


def press_message_button(driver, label="OK"):
    for button in driver.find_elements(By.CSS_SELECTOR, "#messageButtons button"):
        if button.text == label:
            button.click()
            return


def focused_control(driver):
    return driver.execute_script(
        "const e = document.activeElement;"
        "return (e.closest('[data-name]') || e).dataset.name || '';")


def load_file(driver, path):
    chooser = driver.find_element(By.ID, "fileChooser")
    driver.execute_script("arguments[0].hidden = false;", chooser)
    chooser.send_keys(str(path))
    driver.execute_script("arguments[0].hidden = true;", chooser)


def test_local_file(driver, served):
    """Opened from a local file (a double-click on index.html), the page starts."""
    driver.get((served / "index.html").as_uri())
    wait_ready(driver)
    fonts = driver.execute_script(
        "return document.fonts.check('12px IPAPGothic') && document.fonts.check('12px IPAGothic')")
    check(fonts, "opened from a local file, the page starts with its fonts")


def test_examples_json(driver, base, root):
    for name in EXAMPLES:
        driver.get(f"{base}/index.html?file={name}.kvxw&json=1")
        wait_ready(driver)
        page = driver.execute_script("return document.getElementById('json').textContent")
        desktop = (root / "examples" / f"{name}.json").read_text(encoding="utf-8")
        check(page == desktop, f"{name}: the page's JSON is the desktop's, byte for byte")


def test_refused_design(driver, base, root):
    open_form(driver, base)
    edit = driver.find_element(By.CSS_SELECTOR, '[data-name="eaveHeightEdit"]')
    edit.click()
    edit.send_keys(Keys.CONTROL, "a")
    edit.send_keys(Keys.BACKSPACE)
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    text = message_text(driver)
    # The desktop refuses the same design with this message and control.
    expected = json.loads((root / "web" / "tests" / "refused_design.json").read_text("utf-8"))
    check(text == expected["message"], f"a refused design shows the desktop's message ({text})")
    press_message_button(driver)
    time.sleep(0.2)
    check(focused_control(driver) == expected["control"],
          f"the focus goes to {expected['control']} ({focused_control(driver)})")
    check(driver.execute_script("return !document.body.dataset.report"), "no report is shown")


def desktop_json(root, project):
    """What `korvex --json` of the desktop build says of `project`, or None."""
    korvex = root / "build" / "app" / "korvex"
    if not korvex.exists():
        return None
    with tempfile.TemporaryDirectory() as home:
        run = subprocess.run([str(korvex), "--json", str(project)], capture_output=True,
                             env={**os.environ, "XDG_DATA_HOME": home, "QT_QPA_PLATFORM": "offscreen"})
    return json.loads(run.stdout)


def test_bad_files(driver, base, root, served):
    """A file that is no project and a project with a bad line: the desktop's
    messages in a dialog of the page, and nothing of the form lost."""
    lines = (served / "tokyo_mono_pitch.kvxw").read_bytes().split(b"\r\n")
    lines[20] = b"abc"
    (served / "bad_line.kvxw").write_bytes(b"\r\n".join(lines))
    (served / "no_project.kvxw").write_bytes(b"hello\r\nworld\r\n")
    open_form(driver, base)
    edit = driver.find_element(By.CSS_SELECTOR, '[data-name="eaveHeightEdit"]')
    edit.click()
    edit.send_keys(Keys.CONTROL, "a")
    edit.send_keys("7777")
    for name in ["no_project", "bad_line"]:
        load_file(driver, served / f"{name}.kvxw")
        text = message_text(driver)
        desktop = desktop_json(root, served / f"{name}.kvxw")
        if desktop is None:
            print(f"skip {name}: no desktop build to compare with")
        else:
            check(text == desktop["error"]["message"], f"{name}: the desktop's message ({text})")
        press_message_button(driver)
        if name == "no_project":
            value = driver.execute_script(
                "return document.querySelector('[data-name=\"eaveHeightEdit\"]').value")
            check(value == "7777", "a file that is no project leaves the form as it was")


def test_area_search(driver, base):
    """Typing in the area box finds the area in every prefecture and chooses it
    with its prefecture."""
    open_form(driver, base)
    driver.execute_script("document.querySelector('[data-name=\"areaBox\"]').focus();")
    ActionChains(driver).send_keys("x").perform()
    edit = driver.find_element(By.ID, "areaSearchEdit")
    check(edit.get_attribute("value") == "x", "a key typed in the area box starts a search")
    edit.send_keys(Keys.BACKSPACE, "ながおかし")
    WebDriverWait(driver, 5).until(
        lambda d: d.find_elements(By.CSS_SELECTOR, "#areaMatches li"))
    first = driver.find_element(By.CSS_SELECTOR, "#areaMatches li").text
    edit.send_keys(Keys.ENTER)
    chosen = driver.execute_script(
        "const s = JSON.parse(session.state()).controls;"
        "return [s.prefectureBox.items[s.prefectureBox.index], s.areaBox.items[s.areaBox.index],"
        " s.baseWindSpeedLabel.caption];")
    check(first.startswith("長岡市") and chosen[0] == "新潟県" and chosen[1].startswith("長岡市"),
          f"ながおかし finds 長岡市 of 新潟県 and chooses it ({first}, {chosen})")


def test_unsaved_edits(driver, base, served):
    """データ読込 over unsaved edits asks first; キャンセル keeps the form as it is."""
    open_form(driver, base)
    edit = driver.find_element(By.CSS_SELECTOR, '[data-name="eaveHeightEdit"]')
    edit.click()
    edit.send_keys(Keys.CONTROL, "a")
    edit.send_keys("8888")
    check(driver.execute_script("return document.title").endswith("*"),
          "the caption marks unsaved edits")
    driver.find_element(By.CSS_SELECTOR, '[data-name="loadButton"]').click()
    check(message_text(driver) == "変更を保存しますか？", "データ読込 asks about the edits")
    press_message_button(driver, "キャンセル")
    value = driver.execute_script(
        "return document.querySelector('[data-name=\"eaveHeightEdit\"]').value")
    check(value == "8888", "キャンセル keeps the form")


def test_coefficients(driver, base):
    """設定: the direct-load method switches the form to the direct-load panel."""
    open_form(driver, base)
    driver.find_element(By.CSS_SELECTOR, '[data-name="settingsButton"]').click()
    driver.find_element(By.CSS_SELECTOR, '[data-name="directLoadsRadio"]').click()
    driver.find_element(By.ID, "coefficientSetButton").click()
    hidden = driver.execute_script(
        "return ['windPanel', 'directLoadPanel'].map(n =>"
        " document.querySelector(`.panel[data-name=\"${n}\"]`).dataset.hidden)")
    check(hidden == ["1", "0"], f"direct loads show their panel instead of the wind panel ({hidden})")


def test_user_site_row(driver, base):
    """地域データ: a row the user adds is kept in the browser and used after a reload."""
    open_form(driver, base)
    driver.execute_script("localStorage.clear();")
    driver.find_element(By.CSS_SELECTOR, '[data-name="siteDataButton"]').click()
    driver.find_element(By.ID, "newUserRowButton").click()
    for field, value in [("area", "試験町"), ("reading", "しけんまち"), ("baseWindSpeed", "34"),
                         ("snowZone", "0"), ("altitude", "12"), ("snowDepth", "30")]:
        driver.find_element(By.CSS_SELECTOR, f'#siteEditor [data-field="{field}"]').send_keys(value)
    driver.find_element(By.ID, "saveUserRowButton").click()
    time.sleep(0.3)
    status = driver.find_element(By.ID, "siteStatusLabel").text
    check(bool(status) and not driver.execute_script(
        "return document.getElementById('messageBox').open"), f"the row is stored ({status})")
    open_form(driver, base)
    rows = driver.execute_script("return JSON.parse(session.siteRows())"
                                 ".filter(r => r[1] === '試験町')")
    check(len(rows) == 1 and rows[0][12] == "ユーザー",
          f"after a reload the row is there, marked as the user's ({rows})")
    driver.execute_script("localStorage.clear();")


def test_round_trip(driver, base, served):
    open_form(driver, base)
    for name in EXAMPLES:
        original = (served / f"{name}.kvxw").read_bytes()
        load_file(driver, served / f"{name}.kvxw")
        WebDriverWait(driver, 10).until(
            lambda d: d.execute_script("return document.title").find(name) >= 0)
        saved = driver.execute_script(
            "return Array.from(session.save(arguments[0]));", f"{name}.kvxw")
        check(bytes(saved) == original, f"{name}: loading and saving gives the same bytes")


def test_report(driver, base, served, screenshots):
    open_form(driver, base)
    ready = driver.execute_script("return window.korvexReadyTime")
    print(f"time to a usable form: {ready:.0f} ms")
    driver.save_screenshot(str(screenshots / "web_form.png"))
    load_file(driver, served / "tokyo_mono_pitch.kvxw")
    WebDriverWait(driver, 10).until(
        lambda d: d.execute_script("return document.title").find("tokyo") >= 0)
    started = time.perf_counter()
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    WebDriverWait(driver, 30).until(
        lambda d: d.execute_script("return document.body.dataset.report"))
    pages = int(driver.execute_script("return document.body.dataset.report"))
    drawn = driver.execute_script("return window.korvexReportTime")
    print(f"calculate and draw {pages} report pages: {drawn:.0f} ms in the page, "
          f"{(time.perf_counter() - started) * 1000:.0f} ms seen from the test")
    check(pages == 4, f"tokyo_mono_pitch prints 4 sheets ({pages})")
    first = driver.find_element(By.CSS_SELECTOR, "#pages .page")
    driver.execute_script("window.scrollTo(0, arguments[0].offsetTop - 60);", first)
    first.screenshot(str(screenshots / "web_report_page1.png"))
    sheets = driver.execute_script(
        "return Array.from(document.querySelectorAll('#pages .page')).map(p =>"
        " Array.from(p.querySelectorAll('text')).map(t => t.textContent).join('|'))")
    check("■長期Ｇ＋Ｐの検討" in sheets[0], "the first sheet begins the checks")
    check(any("全てＯＫです" in sheet for sheet in sheets), "the report carries the verdict")
    check(any("FileName : tokyo_mono_pitch.kvxw" in sheet for sheet in sheets),
          "the footer names the user's file")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("--screenshots", type=pathlib.Path)
    args = parser.parse_args()
    root = args.root.resolve()
    screenshots = args.screenshots or root / "build-web" / "screenshots"
    screenshots.mkdir(parents=True, exist_ok=True)

    with tempfile.TemporaryDirectory(prefix="korvex_web_") as folder:
        served = pathlib.Path(folder) / "www"
        shutil.copytree(root / "build-web" / "www", served)
        for name in EXAMPLES:
            shutil.copy(root / "examples" / f"{name}.kvxw", served)
        server = serve(served)
        base = f"http://127.0.0.1:{server.server_address[1]}"
        driver = browser()
        try:
            test_local_file(driver, served)
            test_examples_json(driver, base, root)
            test_refused_design(driver, base, root)
            test_bad_files(driver, base, root, served)
            test_area_search(driver, base)
            test_unsaved_edits(driver, base, served)
            test_coefficients(driver, base)
            test_user_site_row(driver, base)
            test_round_trip(driver, base, served)
            test_report(driver, base, served, screenshots)
            logs = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"]
            check(not logs, "the page logs no errors " + json.dumps(logs, ensure_ascii=False))
        finally:
            driver.quit()
            server.shutdown()
    print(f"screenshots: {screenshots}")
    if failures:
        print(f"web-test: {len(failures)} failed", file=sys.stderr)
        return 1
    print("web-test: all passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
