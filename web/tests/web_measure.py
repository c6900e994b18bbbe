"""How fast the browser edition is, for one bundle or several side by side.

    scripts/web-measure [--rounds N] [BUNDLE_FOLDER ...]   (default: build-web/www)

Headless Chromium, each bundle served over HTTP on its own port. Every round
takes every bundle in turn, so two builds are compared under the same load of
the machine. Per bundle it gives the median of the rounds for

- the page opened to a usable form, warm (a reload, the files cached),
- 計算 pressed to every sheet of tokyo_mono_pitch drawn,
- 許容スパン表 from the command to the filled table (where the bundle has it),
- the longest stretch the page's thread is held while the user types quickly
  into the snow depth; where the bundle has the verdict while typing, also
  with the span table open and following the form, served over HTTP (the
  table worked out beside the page) and opened from a local file (on the
  page's thread when it is idle), and the time from a change to the status
  line's verdict shown, the deliberate pause left out,

and the bundle's size. A measurement, not a test: nothing here fails.
"""

import argparse
import pathlib
import shutil
import statistics
import sys
import tempfile

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

from web_test import browser, serve


def open_page(driver, base, url=None):
    driver.get(url or base + "/index.html")
    WebDriverWait(driver, 60).until(
        lambda d: d.execute_script("return document.body.dataset.ready === '1'"))
    ready = driver.execute_script("return window.korvexReadyTime")
    # Declines the copies of the form earlier rounds left.
    while True:
        WebDriverWait(driver, 30).until(lambda d: d.execute_script(
            "return document.body.dataset.settled === '1' ||"
            " document.getElementById('messageBox').open"))
        if driver.execute_script("return document.body.dataset.settled === '1'"):
            return ready
        driver.execute_script("""
            [...document.querySelectorAll('#messageButtons button')].pop().click();""")


def measure_round(driver, base, project, local):
    open_page(driver, base)
    ready = open_page(driver, base)
    chooser = driver.find_element(By.ID, "fileChooser")
    driver.execute_script("arguments[0].hidden = false;", chooser)
    chooser.send_keys(str(project))
    WebDriverWait(driver, 10).until(lambda d: project.stem in d.title)
    driver.find_element(By.CSS_SELECTOR, '[data-name="calculateButton"]').click()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("return document.body.dataset.report"))
    calculated = driver.execute_script("return window.korvexReportTime")
    driver.execute_script("closeReport()")
    span_table = None
    if driver.execute_script("return typeof openSpanTable === 'function'"):
        driver.execute_script("openSpanTable()")
        WebDriverWait(driver, 60).until(
            lambda d: d.execute_script("return document.body.dataset.spanTable"))
        span_table = driver.execute_script("return window.korvexSpanTableTime")
        driver.execute_script("dialogs.SpanTableWindow.close()")
    # Typing with the span table closed, and, where the table follows the form,
    # with it open, over HTTP and from a local file.
    held, verdict = typing(driver)
    held_open = held_local = None
    if driver.execute_script("return typeof following === 'object'"):
        open_table(driver)
        held_open, _ = typing(driver)
        open_page(driver, base, local.as_uri())
        open_table(driver)
        held_local, _ = typing(driver)
    return ready, calculated, span_table, verdict, held, held_open, held_local


def open_table(driver):
    driver.execute_script("openSpanTable()")
    WebDriverWait(driver, 60).until(
        lambda d: d.execute_script("return document.body.dataset.spanTable"))


# The page's thread is watched by a message it posts to itself over and over:
# the longest gap between two of them is the longest the thread was held.
WATCH_THREAD = """
    window.korvexHeld = 0;
    window.korvexWatching = true;
    const channel = new MessageChannel();
    let last = performance.now();
    channel.port1.onmessage = () => {
      const now = performance.now();
      window.korvexHeld = Math.max(window.korvexHeld, now - last);
      last = now;
      if (window.korvexWatching) channel.port2.postMessage(0);
    };
    channel.port2.postMessage(0);"""


def typing(driver):
    """Types four snow depths quickly (a key every 40 ms), each followed by a
    pause that lets the verdict line and an open span table follow it while the
    next is typed: the longest hold of the page's thread meanwhile, and the last
    change to the verdict line shown, the pause left out (None without a line)."""
    edit = driver.find_element(By.CSS_SELECTOR, '#form [data-name="snowDepthSpin"]')
    edit.click()
    driver.execute_script(WATCH_THREAD)
    keys = ActionChains(driver)
    for depth in ["45", "80", "120", "65"]:
        keys.key_down(Keys.CONTROL).send_keys("a").key_up(Keys.CONTROL)
        for key in depth:
            keys.send_keys(key).pause(0.04)
        keys.pause(0.2)
    keys.perform()
    WebDriverWait(driver, 30).until(lambda d: d.execute_script("""
        return (typeof live !== 'object' || !live.timer) &&
               (typeof following !== 'object' || !following.running)"""))
    return driver.execute_script("""
        window.korvexWatching = false;
        return [window.korvexHeld, window.korvexLiveVerdict ? window.korvexLiveVerdict.latency : null];""")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("root", type=pathlib.Path)
    parser.add_argument("bundles", type=pathlib.Path, nargs="*")
    parser.add_argument("--rounds", type=int, default=7)
    args = parser.parse_intermixed_args()
    root = args.root.resolve()
    bundles = [b.resolve() for b in args.bundles] or [root / "build-web" / "www"]

    with tempfile.TemporaryDirectory(prefix="korvex_measure_") as folder:
        servers = []
        for i, bundle in enumerate(bundles):
            served = pathlib.Path(folder) / str(i)
            shutil.copytree(bundle, served)
            shutil.copy(root / "examples" / "tokyo_mono_pitch.kvxw", served)
            servers.append(serve(served))
        project = root / "examples" / "tokyo_mono_pitch.kvxw"
        # By position: the same folder given twice is measured as two bundles.
        results = [[] for _ in bundles]
        driver = browser(pathlib.Path(folder))
        try:
            for _ in range(args.rounds):
                for index, server in enumerate(servers):
                    base = f"http://127.0.0.1:{server.server_address[1]}"
                    local = pathlib.Path(folder) / str(index) / "index.html"
                    results[index].append(measure_round(driver, base, project, local))
        finally:
            driver.quit()
            for server in servers:
                server.shutdown()

    for bundle, rows in zip(bundles, results):
        size = sum(f.stat().st_size for f in bundle.rglob("*") if f.is_file()) / 1e6
        print(f"{bundle}  ({size:.2f} MB, median of {len(rows)} rounds)")
        for index, what in enumerate(["page opened to usable form (warm)",
                                      "計算 to every sheet drawn",
                                      "許容スパン表, command to filled table",
                                      "a change to the verdict line shown, the pause left out",
                                      "typing, longest hold of the page's thread",
                                      "the same with the span table open and following",
                                      "the same, opened from a local file"]):
            figures = [row[index] for row in rows if row[index] is not None]
            if figures:
                digits = 1 if max(figures) < 10 else 0
                print(f"  {what}: {statistics.median(figures):.{digits}f} ms"
                      f" (from {min(figures):.{digits}f} to {max(figures):.{digits}f})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
