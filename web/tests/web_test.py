"""The browser edition in a real browser: headless Chromium over the bundle.

    scripts/web-test [--screenshots DIR]

Checks that the page gives the desktop's JSON and span table for the six
examples byte for byte, refuses a bad design with the desktop's message and
focuses its control, saves a loaded design back to the same bytes, shows the
span table with the desktop's CSV and sheet, keeps a copy of the form per tab
and offers it back, saves through file handles, keeps the recent designs
across visits, and opens and calculates offline. Where headless Chromium can
show no file picker, the pickers hand the page files of the origin's private
file system (real file handles) or, for a refused permission and a full disk,
stand-in handles that fail as the browser's would; the page's own code reads
and writes through them. It writes screenshots of the form, the report and
every dialog, and prints how long the page takes to become usable, to
calculate and draw the report and to fill the span table, and the bundle's size.
"""

import argparse
import base64
import functools
import http.server
import json
import math
import os
import pathlib
import re
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


def browser(downloads):
    options = webdriver.ChromeOptions()
    options.binary_location = "/usr/bin/chromium"
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu",
                     "--disable-dev-shm-usage", "--window-size=1100,1400"]:
        options.add_argument(argument)
    options.add_experimental_option("prefs", {"download.default_directory": str(downloads),
                                              "download.prompt_for_download": False})
    service = Service(executable_path="/usr/bin/chromedriver")
    driver = webdriver.Chrome(options=options, service=service)
    driver.execute_cdp_cmd("Page.setDownloadBehavior",
                           {"behavior": "allow", "downloadPath": str(downloads)})
    return driver


def wait_ready(driver, seconds=30):
    WebDriverWait(driver, seconds).until(
        lambda d: d.execute_script("return document.body.dataset.ready === '1'"))


RECOVERY_QUESTION = "前回終了時の編集内容を復元しますか？"


def open_form(driver, base, settled=True):
    """The page opened afresh; with `settled`, the copies an earlier check left
    are declined, so that the form starts as the program starts it."""
    driver.get(base + "/index.html")
    wait_ready(driver)
    if not settled:
        return
    while True:
        WebDriverWait(driver, 30).until(lambda d: d.execute_script(
            "return document.body.dataset.settled === '1' ||"
            " document.getElementById('messageBox').open"))
        if driver.execute_script("return document.body.dataset.settled === '1'"):
            return
        if driver.execute_script("return document.getElementById('messageText').textContent") \
                != RECOVERY_QUESTION:
            return
        press_message_button(driver, "いいえ")


def clear_browser_storage(driver):
    """Copies, recent designs and the origin's files of earlier checks go."""
    driver.execute_async_script("""
        const done = arguments[arguments.length - 1];
        (async () => {
          localStorage.clear();
          sessionStorage.clear();
          await new Promise((resolve) => {
            const request = indexedDB.deleteDatabase("korvex");
            request.onsuccess = request.onerror = request.onblocked = () => resolve();
          });
          const root = await navigator.storage.getDirectory();
          for await (const name of root.keys()) await root.removeEntry(name);
        })().then(done, done);""")


def type_into(driver, name, text):
    edit = driver.find_element(By.CSS_SELECTOR, f'[data-name="{name}"]')
    edit.click()
    edit.send_keys(Keys.CONTROL, "a")
    edit.send_keys(text)
    return edit


def control_value(driver, name):
    return driver.execute_script(
        f"return document.querySelector('#form [data-name=\"{name}\"]').value")


def copies(driver):
    """The copies of the form in the browser's storage: {tab id: eave height}."""
    return driver.execute_script(r"""
        const found = {};
        for (const key of Object.keys(localStorage)) {
          if (!key.startsWith("korvex.recovery.")) continue;
          const copy = JSON.parse(localStorage.getItem(key));
          const text = new TextDecoder().decode(Uint8Array.from(atob(copy.bytes), c => c.charCodeAt(0)));
          found[key.slice(16)] = text.split("\r\n")[7];
        }
        return found;""")


def wait_message(driver, seconds=10):
    WebDriverWait(driver, seconds).until(
        lambda d: d.execute_script("return document.getElementById('messageBox').open"))
    return driver.execute_script("return document.getElementById('messageText').textContent")


def no_message(driver):
    return not driver.execute_script("return document.getElementById('messageBox').open")


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


def live_line(driver):
    """The verdict line as shown: [text, colour, state], and how often it was shown."""
    return driver.execute_script("""
        const line = document.querySelector('.liveVerdictLine');
        return [line.textContent, getComputedStyle(line).color, line.dataset.state || '',
                (window.korvexLiveVerdict || {}).count || 0];""")


def settled_line(driver, shown_before):
    """The line once it has followed the last change: shown again since
    `shown_before`, and no pause running."""
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "return !live.timer && (window.korvexLiveVerdict || {}).count > arguments[0]", shown_before))
    return live_line(driver)


KIND_WORDS = {"stress": "応力", "deflection": "たわみ", "jointEnd": "接合部", "jointMid": "接合部",
              "cantileverStress": "はね出し部の応力", "cantileverDeflection": "はね出し部のたわみ",
              "cantileverJoint": "はね出し部の接合部"}


def desktop_agrees(root, folder, form_bytes, text):
    """Whether the line `text` gives the desktop's verdict, largest ratio (two
    decimals, truncated), case and kind for the design `form_bytes`; None without
    a desktop build."""
    project = pathlib.Path(folder) / "live.kvxw"
    project.write_bytes(bytes(form_bytes))
    desktop = desktop_json(root, project)
    if desktop is None:
        return None
    line = re.fullmatch(r"判定 (ＯＫ|ＮＧ)　最大検定比 (\d+\.\d\d)（(.+)・(.+)）", text)
    utilization = desktop["utilization"]
    return (line is not None
            and line[1] == ("ＯＫ" if "全てＯＫ" in desktop["verdict"] else "ＮＧ")
            and line[2] == f"{math.floor(utilization['maxRatio'] * 100 + 1e-7) / 100:.2f}"
            and utilization["governing"]["case"].startswith(line[3])
            and line[4] == KIND_WORDS[utilization["governing"]["kind"]])


def test_live_verdict(driver, base, root, served, screenshots, figures):
    """The status line's verdict follows the form a pause after each change:
    the desktop's verdict and largest ratio for a design that passes and for one
    that fails, 計算's message in grey for a half-typed one, and all the while no
    dialog, no focus move and no unsaved mark of its own."""
    open_form(driver, base)
    load_file(driver, served / "tokyo_mono_pitch.kvxw")
    WebDriverWait(driver, 10).until(lambda d: "tokyo" in d.title)
    text, colour, state, shown = settled_line(driver, 0)
    with tempfile.TemporaryDirectory() as folder:
        form_bytes = driver.execute_script("return Array.from(session.formBytes())")
        agrees = desktop_agrees(root, folder, form_bytes, text)
        check(state == "ok" and colour == "rgb(0, 0, 0)" and agrees is not False
              and driver.title.endswith("tokyo_mono_pitch.kvxw]"),
              f"a design that passes: the desktop's verdict and ratio, no unsaved mark ({text})")

        # Typing a longer span: the line waits for the pause, then turns NG.
        type_into(driver, "span1Edit", "5800")
        text, colour, state, after = settled_line(driver, shown)
        form_bytes = driver.execute_script("return Array.from(session.formBytes())")
        agrees = desktop_agrees(root, folder, form_bytes, text)
    check(state == "ng" and colour == "rgb(255, 0, 0)" and agrees is not False
          and after - shown < 4 and focused_control(driver) == "span1Edit" and no_message(driver),
          f"a longer span: NG in red with the desktop's ratio, once after typing, "
          f"the focus kept ({text}, shown {after - shown} times)")
    figures["change to the verdict line shown, the pause left out"] = driver.execute_script(
        "return window.korvexLiveVerdict.latency")
    driver.save_screenshot(str(screenshots / "web_live_verdict.png"))

    # A span half typed (empty): 計算's own message on the line, in grey.
    type_into(driver, "span1Edit", Keys.BACKSPACE)
    text, colour, state, shown = settled_line(driver, after)
    grey = (state == "message" and colour == "rgb(153, 153, 153)" and no_message(driver)
            and focused_control(driver) == "span1Edit")
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    calculated = message_text(driver).replace("\n", " ")
    press_message_button(driver)
    check(grey and text == calculated,
          f"an empty span: 計算's message in grey, no dialog, the focus kept ({text})")

    # The focus moves on from a field typed into, the line follows the new one.
    type_into(driver, "span1Edit", "2400")
    type_into(driver, "eaveHeightEdit", "9000")
    check(focused_control(driver) == "eaveHeightEdit" and control_value(driver, "eaveHeightEdit") == "9000",
          "after typing in one field a click into another takes the focus there")


def test_local_file(driver, served):
    """Opened from a local file (a double-click on index.html), the page starts
    under its Content-Security-Policy and calculates; it registers no service
    worker there."""
    driver.get((served / "index.html").as_uri())
    wait_ready(driver)
    fonts = driver.execute_script(
        "return document.fonts.check('12px IPAPGothic') && document.fonts.check('12px IPAGothic')")
    check(fonts, "opened from a local file, the page starts with its fonts")
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "return [...document.querySelectorAll('#form img')].every(i => i.complete)"))
    pictures = driver.execute_script(
        "return [...document.querySelectorAll('#form img')].filter(i => i.src)"
        ".map(i => i.naturalWidth > 0)")
    check(pictures and all(pictures), f"and its pictures ({len(pictures)})")
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.report"))
    pages = driver.execute_script("return document.querySelectorAll('#pages .page svg').length")
    policy = driver.execute_script(
        "return document.querySelector('meta[http-equiv=\"Content-Security-Policy\"]').content")
    worker = driver.execute_script("return !!document.querySelector('link[rel=manifest]')")
    check(pages > 0 and "default-src 'none'" in policy and not worker,
          f"from a local file the core runs under the policy and draws the report ({pages} sheets)")
    arrived = driver.execute_async_script(
        "const done = arguments[0]; bringCoastline().then(done, () => done(false));")
    check(arrived is True, "from a local file the page brings the coastline in")


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
    driver.find_element(By.CSS_SELECTOR, '#CoefficientWindow [data-name="directLoadsRadio"]').click()
    driver.find_element(By.CSS_SELECTOR, '#CoefficientWindow [data-name="setButton"]').click()
    hidden = driver.execute_script(
        "return ['windPanel', 'directLoadPanel'].map(n =>"
        " document.querySelector(`.panel[data-name=\"${n}\"]`).dataset.hidden)")
    check(hidden == ["1", "0"], f"direct loads show their panel instead of the wind panel ({hidden})")


def test_user_site_row(driver, base):
    """地域データ: a row the user adds is kept in the browser and used after a reload."""
    open_form(driver, base)
    driver.execute_script("localStorage.clear();")
    driver.find_element(By.CSS_SELECTOR, '#form [data-name="siteDataButton"]').click()
    dialog = driver.find_element(By.ID, "SiteDataWindow")
    dialog.find_element(By.CSS_SELECTOR, '[data-name="newUserRowButton"]').click()
    for field, value in [("siteAreaEdit", "試験町"), ("siteReadingEdit", "しけんまち"),
                         ("siteWindSpeedEdit", "34"), ("siteZoneEdit", "0"),
                         ("siteAltitudeEdit", "12"), ("siteSnowDepthEdit", "30"),
                         ("siteOfficePointEdit", "北緯35度40分, 東経139度45分"),
                         ("siteOfficeNameEdit", "試験町役場")]:
        dialog.find_element(By.CSS_SELECTOR, f'[data-name="{field}"]').send_keys(value)
    dialog.find_element(By.CSS_SELECTOR, '[data-name="saveUserRowButton"]').click()
    time.sleep(0.3)
    status = dialog.find_element(By.CSS_SELECTOR, '[data-name="siteStatusLabel"]').text
    check(bool(status) and not driver.execute_script(
        "return document.getElementById('messageBox').open"), f"the row is stored ({status})")
    open_form(driver, base)
    rows = driver.execute_script("return JSON.parse(session.siteRows())"
                                 ".filter(r => r[1] === '試験町')")
    origin = driver.execute_script(
        "return pageTables.dialogs.SiteDataWindow.items"
        ".filter(i => i.parent === 'siteTableView').findIndex(i => i.name === 'origin')")
    check(len(rows) == 1 and rows[0][origin] == "ユーザー",
          f"after a reload the row is there, marked as the user's ({rows})")
    point = driver.execute_script("""
        const columns = pageTables.dialogs.SiteDataWindow.items.filter(i => i.parent === 'siteTableView')
          .map(i => i.name);
        const row = JSON.parse(session.siteRows()).find(r => r[1] === '試験町');
        return [row[columns.indexOf('latitude')], row[columns.indexOf('longitude')],
                row[columns.indexOf('office')]];""")
    check(point[0].startswith("35.6666") and point[1] == "139.75" and point[2] == "試験町役場",
          f"and so is its office's point, from the user's office file ({point})")
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


def test_report(driver, base, served, screenshots, figures):
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
    figures["計算 to every sheet drawn"] = drawn
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


def desktop_output(root, arguments):
    """What the desktop program prints for `arguments`, or None without a build."""
    korvex = root / "build" / "app" / "korvex"
    if not korvex.exists():
        return None
    with tempfile.TemporaryDirectory() as home:
        run = subprocess.run([str(korvex), *arguments], capture_output=True,
                             env={**os.environ, "XDG_DATA_HOME": home, "QT_QPA_PLATFORM": "offscreen"})
    return run.stdout.decode("utf-8")


def test_span_table_json(driver, base, root, served):
    """`?file=NAME.kvxw&spanTable=1` prints what `korvex --span-table` prints,
    for the examples and for a design or file the table refuses."""
    lines = (served / "tokyo_mono_pitch.kvxw").read_bytes().split(b"\r\n")
    lines[7] = b""  # no eave height
    (served / "no_height.kvxw").write_bytes(b"\r\n".join(lines))
    (served / "no_project.kvxw").write_bytes(b"hello\r\nworld\r\n")
    for name in EXAMPLES + ["no_height", "no_project"]:
        driver.get(f"{base}/index.html?file={name}.kvxw&spanTable=1")
        wait_ready(driver)
        page = driver.execute_script("return document.getElementById('json').textContent")
        desktop = desktop_output(root, ["--span-table", str(served / f"{name}.kvxw")])
        if desktop is None:
            print(f"skip {name}: no desktop build to compare with")
            continue
        check(page == desktop, f"{name}: the page's span table is the desktop's, byte for byte")


def downloaded(downloads, name, seconds=10):
    target = downloads / name
    deadline = time.time() + seconds
    while time.time() < deadline:
        if target.exists() and not list(downloads.glob("*.crdownload")):
            return target.read_bytes()
        time.sleep(0.1)
    return None


def test_span_table_dialog(driver, base, root, served, downloads, screenshots, figures):
    """許容スパン表 from the menu and from the keyboard: the desktop's cells,
    conditions and notes, the desktop's CSV bytes, and one printed A4 sheet."""
    open_form(driver, base)
    load_file(driver, served / "tokyo_mono_pitch.kvxw")
    WebDriverWait(driver, 10).until(lambda d: "tokyo" in d.title)
    driver.find_element(By.CSS_SELECTOR, '#menuBar [data-name="calculationMenu"]').click()
    driver.find_element(By.CSS_SELECTOR, '.menu [data-name="spanTableAction"]').click()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.spanTable"))
    check(True, "計算 → 許容スパン表 opens the table")
    driver.execute_script("document.getElementById('SpanTableWindow').close()")

    ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.F9).key_up(Keys.SHIFT).perform()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.spanTable"))
    figures["span table dialog, command to filled table"] = driver.execute_script(
        "return window.korvexSpanTableTime")
    dialog = driver.find_element(By.ID, "SpanTableWindow")
    dialog.screenshot(str(screenshots / "web_span_table.png"))
    cells = driver.execute_script(
        "return [...document.querySelectorAll('#SpanTableWindow tbody td')].map(td => td.innerText.split('\\n'))")
    desktop = desktop_output(root, ["--span-table", str(served / "tokyo_mono_pitch.kvxw")])
    if desktop is not None:
        rows = json.loads(desktop)["rows"]
        spans = [f"{r['maxSpan']:,} mm" if r["maxSpan"] is not None else "なし" for r in rows]
        check([c[0] for c in cells] == spans, f"Shift+F9: the sixteen cells are the desktop's ({spans[:4]}…)")
    notes = dialog.find_element(By.CSS_SELECTOR, '[data-name="notesLabel"]').text
    conditions = dialog.find_element(By.CSS_SELECTOR, '[data-name="conditionsLabel"]').text
    check(notes.startswith("※許容スパン") and "東京都" in conditions,
          "the dialog shows the design's conditions and the notes")

    for old in downloads.glob("*"):
        old.unlink()
    dialog.find_element(By.CSS_SELECTOR, '[data-name="csvButton"]').click()
    csv = downloaded(downloads, "tokyo_mono_pitch_許容スパン表.csv")
    with tempfile.TemporaryDirectory() as folder:
        target = pathlib.Path(folder) / "table.csv"
        if desktop_output(root, ["--span-table-csv", str(target),
                                 str(served / "tokyo_mono_pitch.kvxw")]) is not None:
            check(csv is not None and csv == target.read_bytes(),
                  "CSV保存 downloads the desktop's CSV, byte for byte (UTF-8 with BOM)")

    # 印刷 / PDF保存: the browser's print of the sheet the desktop prints.
    driver.execute_script("window.print = () => { window.korvexPrinted = true; };")
    dialog.find_element(By.CSS_SELECTOR, '[data-name="printButton"]').click()
    sheet = driver.execute_script(
        "return [...document.querySelectorAll('#printSheet text')].map(t => t.textContent).join('|')")
    pdf = base64.b64decode(driver.execute_cdp_cmd("Page.printToPDF", {"preferCSSPageSize": True})["data"])
    printed_pages = len(re.findall(rb"/Type\s*/Page\b", pdf))
    check("Korvex構造計算(木造梁)－許容スパン表－" in sheet and printed_pages == 1,
          f"印刷 prints the one A4 sheet of the desktop ({printed_pages} page)")
    driver.execute_script("document.body.classList.remove('printingSheet')")


def span_table_cells(driver):
    return driver.execute_script(
        "return [...document.querySelectorAll('#SpanTableWindow tbody td')].map(td => td.innerText)")


def followed(driver, before):
    """Waits until the open span table has followed the form since the count
    `before`; the count now and how the table was worked out."""
    WebDriverWait(driver, 30).until(lambda d: d.execute_script(
        "return (window.korvexSpanTableFollow || {}).count > arguments[0] && !following.running"
        " && !live.timer", before))
    return driver.execute_script("return window.korvexSpanTableFollow")


def test_span_table_follows(driver, base, root, served, downloads, screenshots, figures):
    """The open span table follows the form as the user types on, worked out
    beside the page (over HTTP) or on it when idle (from a local file): the
    desktop's table for the changed design, its CSV, and 計算's message in grey
    with print and CSV disabled while the design does not calculate."""
    open_form(driver, base)
    load_file(driver, served / "tokyo_mono_pitch.kvxw")
    WebDriverWait(driver, 10).until(lambda d: "tokyo" in d.title)
    ActionChains(driver).key_down(Keys.SHIFT).send_keys(Keys.F9).key_up(Keys.SHIFT).perform()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.spanTable"))
    dialog = driver.find_element(By.ID, "SpanTableWindow")
    # The window is moved aside by its caption; the form stays free to type in.
    ActionChains(driver).drag_and_drop_by_offset(
        dialog.find_element(By.CSS_SELECTOR, ".dialogCaption"), 150, 250).perform()
    before = span_table_cells(driver)
    count = driver.execute_script("return (window.korvexSpanTableFollow || {}).count || 0")

    type_into(driver, "snowDepthSpin", "90")
    follow = followed(driver, count)
    cells = span_table_cells(driver)
    figures["span table following a change, beside the page"] = follow["time"]
    with tempfile.TemporaryDirectory() as folder:
        project = pathlib.Path(folder) / "followed.kvxw"
        project.write_bytes(bytes(driver.execute_script("return Array.from(session.formBytes())")))
        desktop = desktop_output(root, ["--span-table", str(project)])
        if desktop is not None:
            rows = json.loads(desktop)["rows"]
            spans = [f"{r['maxSpan']:,} mm" if r["maxSpan"] is not None else "なし" for r in rows]
            check([c.split("\n")[0] for c in cells] == spans and cells != before
                  and not follow["onPage"],
                  f"more snow: the open table follows beside the page, as the desktop works it out "
                  f"({spans[:2]}…)")
            for old in downloads.glob("*"):
                old.unlink()
            dialog.find_element(By.CSS_SELECTOR, '[data-name="csvButton"]').click()
            csv = downloaded(downloads, "tokyo_mono_pitch_許容スパン表.csv")
            target = pathlib.Path(folder) / "table.csv"
            desktop_output(root, ["--span-table-csv", str(target), str(project)])
            check(csv == target.read_bytes(), "CSV保存 saves the table as it follows the form")
    driver.save_screenshot(str(screenshots / "web_span_table_following.png"))

    count = follow["count"]
    type_into(driver, "eaveHeightEdit", Keys.BACKSPACE)
    follow = followed(driver, count)
    refusal = dialog.find_element(By.CSS_SELECTOR, '[data-name="refusalLabel"]')
    disabled = [dialog.find_element(By.CSS_SELECTOR, f'[data-name="{name}"]').get_attribute("disabled")
                for name in ["printButton", "pdfButton", "csvButton"]]
    expected = json.loads((root / "web" / "tests" / "refused_design.json").read_text("utf-8"))
    check(refusal.is_displayed() and refusal.text == expected["message"]
          and refusal.value_of_css_property("color") == "rgba(153, 153, 153, 1)"
          and all(disabled) and no_message(driver),
          f"an empty height: 計算's message in grey, print and CSV disabled ({refusal.text})")
    type_into(driver, "eaveHeightEdit", "6000")
    follow = followed(driver, follow["count"])
    enabled = not dialog.find_element(By.CSS_SELECTOR, '[data-name="csvButton"]').get_attribute("disabled")
    check(not refusal.is_displayed() and enabled and span_table_cells(driver) == cells,
          "a height again: the table is back, and may be printed and saved")

    # Opened from a local file the page starts no worker: the table follows on
    # the page's thread once it is idle.
    driver.get((served / "index.html").as_uri())
    wait_ready(driver)
    driver.execute_script("openSpanTable()")
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.spanTable"))
    before = span_table_cells(driver)
    driver.execute_script("arguments[0].style.top = '700px'", driver.find_element(By.ID, "SpanTableWindow"))
    type_into(driver, "snowDepthSpin", "120")
    follow = followed(driver, 0)
    check(follow["onPage"] and span_table_cells(driver) != before,
          "from a local file the open table follows on the page's thread")
    figures["span table following a change, on the page"] = follow["time"]


def test_caption(driver, base, served):
    """The caption names the design's file as the desktop names its path."""
    open_form(driver, base)
    load_file(driver, served / "sapporo_gable.kvxw")
    WebDriverWait(driver, 10).until(lambda d: "sapporo" in d.title)
    caption = driver.find_element(By.ID, "caption").text
    check(caption == "Korvex for wood [sapporo_gable.kvxw]", f"the caption names the file ({caption})")
    type_into(driver, "eaveHeightEdit", "9100")
    check(driver.find_element(By.ID, "caption").text == caption + " *", "and marks unsaved edits")


def reload_page(driver):
    driver.refresh()
    try:
        driver.switch_to.alert.accept()
    except Exception:
        pass
    wait_ready(driver)


def test_recovery(driver, base, screenshots):
    """An edit is kept a few seconds after it; at the next opening the page asks,
    はい restores it as unsaved edits, いいえ drops it."""
    open_form(driver, base)
    clear_browser_storage(driver)
    open_form(driver, base)
    type_into(driver, "eaveHeightEdit", "7777")
    WebDriverWait(driver, 10).until(lambda d: "7777" in copies(d).values())
    check(True, "an edit is copied into the browser's storage after a few seconds")
    reload_page(driver)
    check(wait_message(driver) == "前回終了時の編集内容を復元しますか？", "the next opening asks")
    driver.save_screenshot(str(screenshots / "web_recovery_question.png"))
    press_message_button(driver, "はい")
    WebDriverWait(driver, 10).until(lambda d: d.execute_script("return document.body.dataset.settled"))
    check(control_value(driver, "eaveHeightEdit") == "7777" and driver.title.endswith(" *"),
          "はい restores the edit as unsaved")

    reload_page(driver)
    wait_message(driver)
    press_message_button(driver, "いいえ")
    WebDriverWait(driver, 10).until(lambda d: d.execute_script("return document.body.dataset.settled"))
    check(control_value(driver, "eaveHeightEdit") == "10000" and not copies(driver),
          "いいえ drops it and the form starts as usual")

    # Back to the design it started from: nothing to keep, and the copy goes.
    type_into(driver, "eaveHeightEdit", "6666")
    WebDriverWait(driver, 10).until(lambda d: "6666" in copies(d).values())
    type_into(driver, "eaveHeightEdit", "10000")
    WebDriverWait(driver, 10).until(lambda d: not copies(d))
    check(True, "without unsaved edits the copy is removed")


# A browser without Web Locks (a page served over plain HTTP from another host).
HIDE_WEB_LOCKS = "Object.defineProperty(Navigator.prototype, 'locks', { get: () => undefined });"


def test_two_tabs(driver, base, web_locks=True):
    """Two tabs keep two copies; a third one offers only the copy of a tab
    that is gone, and the live tab's copy stays. Without Web Locks the tabs
    tell which copies are theirs by answering a roll call."""
    hidden = {}  # tab -> its script hiding the locks

    def open_tab(settled=True):
        tab = driver.current_window_handle
        if not web_locks and tab not in hidden:
            hidden[tab] = driver.execute_cdp_cmd(
                "Page.addScriptToEvaluateOnNewDocument", {"source": HIDE_WEB_LOCKS})["identifier"]
        open_form(driver, base, settled)
        check(driver.execute_script("return !!navigator.locks") == web_locks,
              "the tab " + ("has" if web_locks else "has no") + " Web Locks")

    open_form(driver, base)
    clear_browser_storage(driver)
    open_tab()
    first = driver.current_window_handle
    type_into(driver, "eaveHeightEdit", "1111")
    driver.switch_to.new_window("tab")
    open_tab()
    second = driver.current_window_handle
    type_into(driver, "eaveHeightEdit", "2222")
    WebDriverWait(driver, 10).until(lambda d: sorted(copies(d).values()) == ["1111", "2222"])
    check(True, "two tabs keep two copies")
    driver.execute_script("window.onbeforeunload = null;")
    driver.close()
    driver.switch_to.window(first)
    driver.switch_to.new_window("tab")
    open_tab(settled=False)
    wait_message(driver)
    press_message_button(driver, "はい")
    WebDriverWait(driver, 10).until(lambda d: d.execute_script("return document.body.dataset.settled"))
    restored = control_value(driver, "eaveHeightEdit")
    kept = sorted(copies(driver).values())
    check(restored == "2222" and kept == ["1111", "2222"],
          f"a new tab offers the closed tab's copy and leaves the open tab's ({restored}, {kept})")
    # What a later opening would still offer: its own copy, never the live tab's.
    orphans = driver.execute_async_script("""
        const done = arguments[0];
        orphanedCopies().then((found) => { found.forEach((c) => c.release()); done(found.map((c) => c.id)); });""")
    offered = sorted(copies(driver)[tab] for tab in orphans)
    check(offered == ["2222"], f"the first tab, still open, keeps its copy to itself ({offered})")
    driver.close()
    driver.switch_to.window(first)
    check(control_value(driver, "eaveHeightEdit") == "1111", "the first tab's form is untouched")
    if first in hidden:
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                               {"identifier": hidden[first]})
    del second


STAND_IN_PICKERS = """
  // Headless Chromium shows no file picker: the pickers hand out files of the
  // origin's private file system, which are real file handles.
  window.showOpenFilePicker = async () => {
    const root = await navigator.storage.getDirectory();
    return [await root.getFileHandle(window.korvexNextFile)];
  };
  window.showSaveFilePicker = async () => {
    const root = await navigator.storage.getDirectory();
    return root.getFileHandle(window.korvexNextFile, { create: true });
  };
"""


def put_private_file(driver, name, data):
    driver.execute_async_script("""
        const [name, bytes, done] = arguments;
        (async () => {
          const root = await navigator.storage.getDirectory();
          const handle = await root.getFileHandle(name, { create: true });
          const writable = await handle.createWritable();
          await writable.write(new Uint8Array(bytes));
          await writable.close();
        })().then(done, done);""", name, list(data))


def private_file(driver, name):
    data = driver.execute_async_script("""
        const [name, done] = arguments;
        (async () => {
          const root = await navigator.storage.getDirectory();
          const file = await (await root.getFileHandle(name)).getFile();
          return Array.from(new Uint8Array(await file.arrayBuffer()));
        })().then(done, (e) => done(null));""", name)
    return None if data is None else bytes(data)


def with_pickers(driver, base, next_file=None):
    open_form(driver, base)
    driver.execute_script(STAND_IN_PICKERS)
    if next_file:
        driver.execute_script("window.korvexNextFile = arguments[0];", next_file)


def press_keys(driver, *keys):
    """A chord: the modifiers held down while the last key is pressed."""
    *modifiers, key = keys
    chain = ActionChains(driver)
    for modifier in modifiers:
        chain.key_down(modifier)
    chain.send_keys(key)
    for modifier in reversed(modifiers):
        chain.key_up(modifier)
    chain.perform()


def test_file_handles(driver, base, served, screenshots):
    """データ読込 keeps the file's handle; 上書き保存 (Ctrl+S) writes back to the
    same file; 名前を付けて保存 asks for a new one; both show up in 最近使ったデータ,
    which survives a reload and opens the file again."""
    open_form(driver, base)
    clear_browser_storage(driver)
    original = (served / "tokyo_mono_pitch.kvxw").read_bytes()
    put_private_file(driver, "tokyo_mono_pitch.kvxw", original)
    with_pickers(driver, base, "tokyo_mono_pitch.kvxw")
    driver.find_element(By.CSS_SELECTOR, '#form [data-name="loadButton"]').click()
    WebDriverWait(driver, 10).until(lambda d: d.title == "Korvex for wood [tokyo_mono_pitch.kvxw]")
    check(True, "データ読込 opens the file the picker gives")

    type_into(driver, "eaveHeightEdit", "9300")
    press_keys(driver, Keys.CONTROL, "s")
    WebDriverWait(driver, 10).until(lambda d: not d.title.endswith("*"))
    written = private_file(driver, "tokyo_mono_pitch.kvxw")
    expected = bytes(driver.execute_script("return Array.from(session.projectBytes())"))
    check(written == expected and written != original and b"9300" in written,
          "Ctrl+S writes the form back into the same file")

    driver.execute_script("window.korvexNextFile = 'copy.kvxw';")
    press_keys(driver, Keys.CONTROL, Keys.SHIFT, "s")
    WebDriverWait(driver, 10).until(lambda d: d.title == "Korvex for wood [copy.kvxw]")
    check(private_file(driver, "copy.kvxw") == written, "Ctrl+Shift+S saves under a new name")

    open_form(driver, base)  # a reload: the list comes from the browser's storage
    driver.execute_script(STAND_IN_PICKERS)
    driver.find_element(By.CSS_SELECTOR, '[data-name="recentDesignsButton"]').click()
    entries = driver.execute_script(
        "return [...document.querySelectorAll('.menu .menuEntry')].map(e => [e.innerText, e.disabled])")
    driver.save_screenshot(str(screenshots / "web_recent_designs.png"))
    check(entries[:2] == [["1  copy.kvxw", False], ["2  tokyo_mono_pitch.kvxw", False]],
          f"after a reload 最近使ったデータ lists both, newest first ({entries[:2]})")
    driver.find_elements(By.CSS_SELECTOR, ".menu .menuEntry")[1].click()
    WebDriverWait(driver, 10).until(lambda d: d.title == "Korvex for wood [tokyo_mono_pitch.kvxw]")
    check(control_value(driver, "eaveHeightEdit") == "9300", "a click on a recent design opens it")

    # A file moved or deleted: the message, and the entry greyed and removable.
    driver.execute_async_script("""
        const done = arguments[0];
        navigator.storage.getDirectory().then((root) => root.removeEntry("copy.kvxw")).then(done, done);""")
    driver.find_element(By.CSS_SELECTOR, '[data-name="recentDesignsButton"]').click()
    driver.find_elements(By.CSS_SELECTOR, ".menu .menuEntry")[1].click()
    text = wait_message(driver)
    check("copy.kvxw" in text and "見つかりません" in text, f"a deleted file is told ({text})")
    press_message_button(driver)
    driver.find_element(By.CSS_SELECTOR, '[data-name="recentDesignsButton"]').click()
    entries = driver.execute_script(
        "return [...document.querySelectorAll('.menu .menuEntry')].map(e => [e.innerText, e.disabled])")
    check(["2  copy.kvxw", True] in entries, "and greyed in the list")
    driver.find_element(By.CSS_SELECTOR, '.menu [data-name="removeMissingAction"]').click()
    names = driver.execute_script("return recent.list.map(e => e.name)")
    check(names == ["tokyo_mono_pitch.kvxw"], f"見つからないファイルを一覧から削除 takes it off ({names})")


STAND_IN_FAILING_HANDLE = """
  // A handle that fails as the browser's does: its permission refused, or the
  // disk full while writing.
  const [failure] = arguments;
  const file = new File([new Uint8Array(0)], "failing.kvxw");
  window.showSaveFilePicker = async () => ({
    kind: "file", name: "failing.kvxw",
    queryPermission: async () => (failure === "permission" ? "prompt" : "granted"),
    requestPermission: async () => (failure === "permission" ? "denied" : "granted"),
    getFile: async () => file,
    isSameEntry: async () => false,
    createWritable: async () => ({
      write: async () => { throw new DOMException("The disk is full.", "QuotaExceededError"); },
      close: async () => {},
      abort: async () => {},
    }),
  });
"""


# The system's launch of an installed app with a file (a double-click on a
# .kvxw): headless Chromium installs nothing, so the queue hands the page's
# consumer to the test, which launches it with a real file handle.
STAND_IN_LAUNCH_QUEUE = """
  Object.defineProperty(window, "launchQueue", {
    value: { setConsumer(consumer) { window.korvexLaunchConsumer = consumer; } },
  });"""


def launch_file(driver, name):
    driver.execute_async_script("""
        const [name, done] = arguments;
        (async () => {
          const root = await navigator.storage.getDirectory();
          window.korvexLaunchConsumer({ files: [await root.getFileHandle(name)] });
        })().then(done, (e) => done(String(e)));""", name)


def test_launched_file(driver, base, served):
    """A .kvxw the system opens with the installed page opens in the form, and
    after the question about unsaved edits, as データ読込 does."""
    open_form(driver, base)
    clear_browser_storage(driver)
    put_private_file(driver, "launched.kvxw", (served / "tokyo_mono_pitch.kvxw").read_bytes())
    script = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument",
                                    {"source": STAND_IN_LAUNCH_QUEUE})["identifier"]
    try:
        open_form(driver, base)
        check(driver.execute_script("return typeof window.korvexLaunchConsumer") == "function",
              "the page takes the files the system launches it with")
        launch_file(driver, "launched.kvxw")
        WebDriverWait(driver, 10).until(lambda d: d.title == "Korvex for wood [launched.kvxw]")
        check(control_value(driver, "eaveHeightEdit") != "10000",
              "a launched file opens in the form under its name")
        type_into(driver, "eaveHeightEdit", "7300")
        launch_file(driver, "launched.kvxw")
        check(message_text(driver) == "変更を保存しますか？", "over unsaved edits it asks first")
        press_message_button(driver, "キャンセル")
        check(control_value(driver, "eaveHeightEdit") == "7300" and driver.title.endswith("*"),
              "キャンセル keeps the edits")
        driver.execute_script("window.onbeforeunload = null;")
    finally:
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument", {"identifier": script})


def test_bad_saves(driver, base, served):
    """A refused permission, a full disk, a design's file deleted before Ctrl+S,
    and a browser storage that is full: a Japanese message, and the form and
    its copy kept."""
    open_form(driver, base)
    clear_browser_storage(driver)
    for failure, words in [("permission", "書き込む許可がありません"), ("quota", "空き容量が足りません")]:
        open_form(driver, base)
        driver.execute_script(STAND_IN_FAILING_HANDLE, failure)
        type_into(driver, "eaveHeightEdit", "8100")
        WebDriverWait(driver, 10).until(lambda d: "8100" in copies(d).values())
        press_keys(driver, Keys.CONTROL, Keys.SHIFT, "s")
        text = wait_message(driver)
        press_message_button(driver)
        check(words in text and "入力内容はそのまま残っています" in text and driver.title.endswith(" *")
              and "8100" in copies(driver).values(),
              f"{failure}: told, the form and its copy kept ({text})")

    put_private_file(driver, "gone.kvxw", (served / "naha_canopy.kvxw").read_bytes())
    with_pickers(driver, base, "gone.kvxw")
    driver.find_element(By.CSS_SELECTOR, '#form [data-name="loadButton"]').click()
    WebDriverWait(driver, 10).until(lambda d: "gone.kvxw" in d.title)
    driver.execute_async_script("""
        const done = arguments[0];
        navigator.storage.getDirectory().then((root) => root.removeEntry("gone.kvxw")).then(done, done);""")
    type_into(driver, "eaveHeightEdit", "8200")
    press_keys(driver, Keys.CONTROL, "s")
    text = wait_message(driver)
    press_message_button(driver)
    check("見つかりません" in text and driver.title.endswith(" *") and private_file(driver, "gone.kvxw") is None,
          f"Ctrl+S to a deleted file tells so and writes nothing ({text})")

    open_form(driver, base)
    driver.execute_script("""
        Storage.prototype.setItem = function () {
          throw new DOMException("full", "QuotaExceededError");
        };""")
    type_into(driver, "eaveHeightEdit", "8300")
    text = wait_message(driver)
    press_message_button(driver)
    type_into(driver, "eaveHeightEdit", "8400")
    time.sleep(4)
    check("編集内容の控えを保存できませんでした" in text and no_message(driver)
          and control_value(driver, "eaveHeightEdit") == "8400",
          "a full storage is told once and the page goes on")

    # No storage at all (a browser that refuses it to the page): the page starts,
    # calculates, and says once that it keeps no copy.
    script = driver.execute_cdp_cmd("Page.addScriptToEvaluateOnNewDocument", {"source": """
        for (const name of ["localStorage", "sessionStorage", "indexedDB"])
          Object.defineProperty(window, name, {
            get() { throw new DOMException("refused", "SecurityError"); } });"""})
    try:
        open_form(driver, base)
        type_into(driver, "eaveHeightEdit", "8500")
        text = wait_message(driver)
        press_message_button(driver)
        driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
        WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.report"))
        check("編集内容の控えを保存できませんでした" in text,
              f"without any storage the page starts, tells once and calculates ({text})")
    finally:
        driver.execute_cdp_cmd("Page.removeScriptToEvaluateOnNewDocument",
                               {"identifier": script["identifier"]})


def test_second_tab_same_file(driver, base, served):
    """The same file opened in a second tab: the page says so."""
    open_form(driver, base)
    clear_browser_storage(driver)
    put_private_file(driver, "shared.kvxw", (served / "morioka_arc.kvxw").read_bytes())
    with_pickers(driver, base, "shared.kvxw")
    first = driver.current_window_handle
    driver.find_element(By.CSS_SELECTOR, '#form [data-name="loadButton"]').click()
    WebDriverWait(driver, 10).until(lambda d: "shared.kvxw" in d.title)
    driver.switch_to.new_window("tab")
    with_pickers(driver, base, "shared.kvxw")
    driver.find_element(By.CSS_SELECTOR, '#form [data-name="loadButton"]').click()
    text = wait_message(driver)
    check("別のタブでも開かれています" in text, f"a second tab on the same file is told ({text})")
    press_message_button(driver)
    driver.close()
    driver.switch_to.window(first)


def coastline_loaded(driver):
    return driver.execute_script(
        "return performance.getEntriesByType('resource').some(e => e.name.endsWith('/coastline.js'))")


def reference_label(driver):
    return driver.execute_script(
        "return document.querySelector('#form [data-name=\"seaRatioReferenceLabel\"]').textContent")


def shown_sea_map(driver):
    """The map window's state: whether it is open, and the texts of its figure."""
    return driver.execute_script("""
        const dialog = document.getElementById('SeaMapWindow');
        if (!dialog || !dialog.open) return null;
        return [...dialog.querySelectorAll('svg text')].map(t => t.textContent).join('|')
          || dialog.querySelector('[data-name="seaMapImage"]').textContent;""")


def test_sea_ratio(driver, base, root, served, screenshots):
    """The sea ratio in the page: the coastline comes only when a design asks
    for a ratio; the reference is the desktop's; the map opens from the snow
    panel and from 地域データ and follows the site's point; a ratio taken from
    the reference stays taken through a save and a load in a fresh page."""
    open_form(driver, base)
    check(not coastline_loaded(driver), "the page starts without the coastline")
    driver.execute_script("document.querySelector('[data-name=\"areaBox\"]').focus();")
    ActionChains(driver).send_keys("x").perform()
    edit = driver.find_element(By.ID, "areaSearchEdit")
    edit.send_keys(Keys.BACKSPACE, "おおふなとし")
    WebDriverWait(driver, 5).until(lambda d: d.find_elements(By.CSS_SELECTOR, "#areaMatches li"))
    for match in driver.find_elements(By.CSS_SELECTOR, "#areaMatches li"):
        if match.text.startswith("大船渡市(旧大船渡市)"):
            match.click()
            break
    WebDriverWait(driver, 10).until(lambda d: "％（役所）" in reference_label(d))
    label = reference_label(driver)
    check(coastline_loaded(driver), f"choosing 大船渡市 (R 40 km) brings the coastline ({label})")
    office = driver.execute_script("""
        const columns = pageTables.dialogs.SiteDataWindow.items.filter(i => i.parent === 'siteTableView')
          .map(i => i.name);
        const row = JSON.parse(session.siteRows()).find(r => r[1] === '大船渡市(旧大船渡市)');
        return [row[columns.indexOf('latitude')], row[columns.indexOf('longitude')]];""")
    desktop = desktop_output(root, ["--sea-ratio", f"{office[0]},{office[1]}", "40"])
    if desktop is not None:
        percent = json.loads(desktop)["percent"]
        check(label == f"[海率参考値 {percent} ％（役所）]",
              f"the office's reference is the desktop's ({label}, desktop {percent} ％)")

    driver.find_element(By.CSS_SELECTOR, '#form [data-name="seaMapButton"]').click()
    WebDriverWait(driver, 10).until(lambda d: d.execute_script(
        "return document.body.dataset.seaMap === 'map'"))
    texts = shown_sea_map(driver)
    check(texts and "OpenStreetMap" in texts and "半径 40 km" in texts,
          f"地図 opens the map of the office's circle with its source ({texts[:80] if texts else texts})")
    driver.find_element(By.ID, "SeaMapWindow").screenshot(str(screenshots / "web_sea_map.png"))

    type_into(driver, "siteCoordinatesEdit", "39°02'00\"N 141°45'00\"E")
    WebDriverWait(driver, 10).until(lambda d: "（建設地）" in reference_label(d))
    WebDriverWait(driver, 10).until(lambda d: "中心：建設地" in (shown_sea_map(d) or ""))
    check(True, f"the map follows the site's point ({reference_label(driver)})")
    percent = int(re.search(r"(\d+) ％", reference_label(driver))[1])
    take = driver.find_element(By.CSS_SELECTOR, '#form [data-name="takeSeaRatioButton"]')
    check(not take.is_enabled(), "採用 waits while 海率 is not in use")
    driver.find_element(By.CSS_SELECTOR, '#form [data-name="formulaDepthRadio"]').click()
    take.click()
    taken = int(control_value(driver, "seaRatioSpin"))
    check(taken == percent, f"採用 puts the reference into 海率 ({taken} ％)")
    driver.find_element(By.CSS_SELECTOR, '#SeaMapWindow [data-name="closeButton"]').click()

    saved = driver.execute_script("return Array.from(session.save('sea.kvxw'));")
    (served / "sea.kvxw").write_bytes(bytes(saved))
    open_form(driver, base)
    check(not coastline_loaded(driver), "a fresh page has no coastline")
    load_file(driver, served / "sea.kvxw")
    WebDriverWait(driver, 10).until(lambda d: "（建設地）" in reference_label(d))
    again = driver.execute_script("return Array.from(session.save('sea.kvxw'));")
    check(bytes(again) == bytes(saved),
          "loaded where the coastline was not yet, the design keeps its point and its taken ratio")
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.report"))
    sheets = driver.execute_script(
        "return [...document.querySelectorAll('#pages .page text')].map(t => t.textContent).join('|')")
    check(f"海率参考値＝ {percent} ％（建設地の位置で測定） → 海率 rs＝ 0.{percent:02d} として採用"
          in sheets, "the report's snow page says the ratio was taken from the site's point")
    driver.execute_script("closeReport();")

    driver.find_element(By.CSS_SELECTOR, '#form [data-name="siteDataButton"]').click()
    dialog = driver.find_element(By.ID, "SiteDataWindow")
    button = dialog.find_element(By.CSS_SELECTOR, '[data-name="siteSeaMapButton"]')
    check(not button.is_enabled(), "地域データ's 地図 waits for a row")
    driver.execute_script("""
        const rows = document.querySelector('#SiteDataWindow [data-name="siteTableView"] tbody').rows;
        const r = [...rows].findIndex(tr => tr.cells[1].textContent === '久慈市(旧久慈市)');
        rows[r].click();""")
    button.click()
    WebDriverWait(driver, 10).until(lambda d: "半径 20 km" in (shown_sea_map(d) or ""))
    check(True, "地域データ's 地図 shows the office of 久慈市 within its zone's 20 km")
    driver.execute_script("document.getElementById('SeaMapWindow').close();"
                          "document.getElementById('SiteDataWindow').close();")


def test_dialog_screenshots(driver, base, screenshots):
    open_form(driver, base)
    for name, command in [("CoefficientWindow", "openCoefficients()"),
                          ("PrintSettingsWindow", "openPrintSettings()"),
                          ("SiteDataWindow", "openSiteData()"),
                          ("UsageNotice", "showUsageNotice()")]:
        driver.execute_script(command)
        dialog = driver.find_element(By.ID, name)
        time.sleep(0.3)
        dialog.screenshot(str(screenshots / f"web_{name}.png"))
        caption = dialog.find_element(By.CSS_SELECTOR, ".dialogCaption").text
        driver.execute_script("arguments[0].close();", dialog)
        check(bool(caption), f"{name} is built from its table ({caption})")


def test_offline(driver, served):
    """Visited once over HTTP, the page opens and calculates with the server
    gone, and Chromium finds it installable."""
    server = serve(served)
    base = f"http://127.0.0.1:{server.server_address[1]}"
    open_form(driver, base)
    WebDriverWait(driver, 30).until(lambda d: d.execute_async_script("""
        const done = arguments[0];
        navigator.serviceWorker.ready.then(() => done(!!navigator.serviceWorker.controller || "ready"));"""))
    errors = driver.execute_cdp_cmd("Page.getInstallabilityErrors", {})["installabilityErrors"]
    check(not errors, f"Chromium can install the page as an app ({errors})")
    server.shutdown()
    server.server_close()
    open_form(driver, base)
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.report"))
    pages = int(driver.execute_script("return document.body.dataset.report"))
    check(pages > 0, f"with the server stopped the form opens and 計算 draws the report ({pages} sheets)")
    arrived = driver.execute_async_script(
        "const done = arguments[0]; bringCoastline().then(done, () => done(false));")
    check(arrived is True, "and the coastline of the sea ratio comes from the installed files")


def test_policy(driver, base):
    """The page may connect to no other host."""
    open_form(driver, base)
    blocked = driver.execute_async_script("""
        const done = arguments[0];
        let violated = "";
        document.addEventListener("securitypolicyviolation", (e) => { violated = e.effectiveDirective; });
        fetch("http://127.0.0.2:9/design").then(() => done("fetched"),
          () => setTimeout(() => done(violated), 100));""")
    check(blocked == "connect-src", f"a connection to another host is refused ({blocked})")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("--screenshots", type=pathlib.Path)
    args = parser.parse_args()
    root = args.root.resolve()
    screenshots = args.screenshots or root / "build-web" / "screenshots"
    screenshots.mkdir(parents=True, exist_ok=True)
    figures = {}

    with tempfile.TemporaryDirectory(prefix="korvex_web_") as folder:
        served = pathlib.Path(folder) / "www"
        downloads = pathlib.Path(folder) / "downloads"
        downloads.mkdir()
        shutil.copytree(root / "build-web" / "www", served)
        for name in EXAMPLES:
            shutil.copy(root / "examples" / f"{name}.kvxw", served)
        server = serve(served)
        base = f"http://127.0.0.1:{server.server_address[1]}"
        driver = browser(downloads)
        try:
            test_local_file(driver, served)
            test_examples_json(driver, base, root)
            test_span_table_json(driver, base, root, served)
            test_refused_design(driver, base, root)
            test_bad_files(driver, base, root, served)
            test_area_search(driver, base)
            test_unsaved_edits(driver, base, served)
            test_coefficients(driver, base)
            test_user_site_row(driver, base)
            test_round_trip(driver, base, served)
            test_caption(driver, base, served)
            test_report(driver, base, served, screenshots, figures)
            test_span_table_dialog(driver, base, root, served, downloads, screenshots, figures)
            test_live_verdict(driver, base, root, served, screenshots, figures)
            test_span_table_follows(driver, base, root, served, downloads, screenshots, figures)
            test_sea_ratio(driver, base, root, served, screenshots)
            test_dialog_screenshots(driver, base, screenshots)
            test_recovery(driver, base, screenshots)
            test_two_tabs(driver, base)
            test_two_tabs(driver, base, web_locks=False)
            test_file_handles(driver, base, served, screenshots)
            test_launched_file(driver, base, served)
            test_bad_saves(driver, base, served)
            test_second_tab_same_file(driver, base, served)
            test_policy(driver, base)
            test_offline(driver, served)
            logs = [entry for entry in driver.get_log("browser") if entry["level"] == "SEVERE"
                    and "127.0.0.2" not in entry["message"]]
            check(not logs, "the page logs no errors " + json.dumps(logs, ensure_ascii=False))
        finally:
            driver.quit()
            server.shutdown()
    bundle = sum(f.stat().st_size for f in (root / "build-web" / "www").rglob("*") if f.is_file())
    figures["bundle size (MB)"] = bundle / 1e6
    for what, figure in figures.items():
        print(f"figure: {what}: {figure:.2f}" if "MB" in what
              else f"figure: {what}: {figure:.{1 if figure < 10 else 0}f} ms")
    print(f"screenshots: {screenshots}")
    if failures:
        print(f"web-test: {len(failures)} failed", file=sys.stderr)
        return 1
    print("web-test: all passed")
    return 0


if __name__ == "__main__":
    sys.exit(main())
