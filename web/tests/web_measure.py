"""How fast the browser edition is, for one bundle or several side by side.

    scripts/web-measure [--rounds N] [BUNDLE_FOLDER ...]   (default: build-web/www)

Headless Chromium, each bundle served over HTTP on its own port. Every round
takes every bundle in turn, so two builds are compared under the same load of
the machine. Per bundle it gives the median of the rounds for

- the page opened to a usable form, warm (a reload, the files cached),
- 計算 pressed to every sheet of tokyo_mono_pitch drawn,
- 許容スパン表 from the command to the filled table (where the bundle has it),

and the bundle's size. A measurement, not a test: nothing here fails.
"""

import argparse
import pathlib
import shutil
import statistics
import sys
import tempfile

from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

from web_test import browser, serve


def open_page(driver, base):
    driver.get(base + "/index.html")
    WebDriverWait(driver, 60).until(
        lambda d: d.execute_script("return document.body.dataset.ready === '1'"))
    # Declines a copy of the form an earlier round may have left.
    driver.execute_script("""
        const box = document.getElementById('messageBox');
        if (box.open) [...box.querySelectorAll('button')].pop().click();""")
    return driver.execute_script("return window.korvexReadyTime")


def measure_round(driver, base, project):
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
    return ready, calculated, span_table


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
        results = {bundle: [] for bundle in bundles}
        driver = browser(pathlib.Path(folder))
        try:
            for _ in range(args.rounds):
                for bundle, server in zip(bundles, servers):
                    base = f"http://127.0.0.1:{server.server_address[1]}"
                    results[bundle].append(measure_round(driver, base, project))
        finally:
            driver.quit()
            for server in servers:
                server.shutdown()

    for bundle in bundles:
        rows = results[bundle]
        size = sum(f.stat().st_size for f in bundle.rglob("*") if f.is_file()) / 1e6
        print(f"{bundle}  ({size:.2f} MB, median of {len(rows)} rounds)")
        for index, what in enumerate(["page opened to usable form (warm)",
                                      "計算 to every sheet drawn",
                                      "許容スパン表, command to filled table"]):
            figures = [row[index] for row in rows if row[index] is not None]
            if figures:
                print(f"  {what}: {statistics.median(figures):.0f} ms"
                      f" (from {min(figures):.0f} to {max(figures):.0f})")
    return 0


if __name__ == "__main__":
    sys.exit(main())
