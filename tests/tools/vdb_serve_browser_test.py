"""vdb serve in a real headless browser (Debian's chromium and chromedriver through
selenium): the database page lists the sample's vehicles; a length changed on the
vehicle page of position 7 is what the C API then reads; a value beyond its editing
bounds is refused with the files unchanged; a change made by vdb set while the page
is open makes the page's save refuse; the plots show one point per stored value.
Saves screenshots of a vehicle page and of its plots into SHOTS (a directory).
Usage: vdb_serve_browser_test.py VDB DRIVER SHOTS"""
import json
import os
import re
import subprocess
import sys
import unittest

try:
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    from selenium.webdriver.common.by import By
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import WebDriverWait
except ImportError:
    print("skipped: no python3-selenium (apt-get install python3-selenium)")
    sys.exit(77)

from vdb_serve_common import Served

VDB, DRIVER, SHOTS = sys.argv[1:4]
del sys.argv[1:4]
if not (os.access("/usr/bin/chromium", os.X_OK) and os.access("/usr/bin/chromedriver", os.X_OK)):
    print("skipped: no chromium or chromedriver (apt-get install chromium chromium-driver)")
    sys.exit(77)


def browser():
    options = webdriver.ChromeOptions()
    for argument in ["--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage",
                     "--window-size=1400,1000"]:
        options.add_argument(argument)
    options.binary_location = "/usr/bin/chromium"
    return webdriver.Chrome(service=Service(executable_path="/usr/bin/chromedriver"),
                            options=options)


class InTheBrowser(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.browser = browser()

    @classmethod
    def tearDownClass(cls):
        cls.browser.quit()

    def setUp(self):
        self.served = Served(VDB)

    def tearDown(self):
        self.assertEqual(self.served.stop(), 0)

    def wait_for(self, condition, timeout=20):
        return WebDriverWait(self.browser, timeout).until(lambda _: condition())

    def open_vehicle(self, position):
        self.browser.get(self.served.url)  # takes the token for this tab
        self.browser.get(f"{self.served.base}/vehicle.html?position={position}")
        self.wait_for(lambda: self.browser.find_elements(By.CSS_SELECTOR, '[data-name="c200"]'))

    def edit(self, name, value):
        self.browser.execute_script('document.getElementById("status").textContent = ""')
        field = self.browser.find_element(By.CSS_SELECTOR, f'[data-name="{name}"]')
        # Typed over, not cleared: clearing would save the empty text first.
        field.send_keys(Keys.CONTROL, "a")
        field.send_keys(value, Keys.TAB)  # leaving the field saves it
        return self.wait_for(self.status)

    def status(self):
        return self.browser.find_element(By.ID, "status").text

    def c_api_length(self):
        """The length of position 7 in metres as the C API reads it (the driver prints it)."""
        out = subprocess.run([DRIVER], env={**os.environ, "ACM_VDB_FILE": self.served.db},
                             capture_output=True, text=True, check=True).stdout
        return float(re.search(r"Echo II Length=([0-9.]+)", out).group(1))

    def test_the_database_page_lists_the_vehicles(self):
        self.browser.get(self.served.url)
        listed = json.loads(self.served.run("list", "--format", "json"))["entries"]
        rows = self.wait_for(lambda: self.browser.find_elements(By.CSS_SELECTOR, "tr.entry"))
        self.assertEqual([int(r.get_attribute("data-position")) for r in rows], [e["position"] for e in listed])
        self.assertIn("ECHO II", self.browser.find_element(By.CSS_SELECTOR, 'tr[data-position="7"]').text)
        search = self.browser.find_element(By.ID, "search")
        search.send_keys("echo")
        self.wait_for(lambda: len(self.browser.find_elements(By.CSS_SELECTOR, "tr.entry")) == 1)

    def test_a_length_saved_on_the_page_is_read_by_the_c_api(self):
        self.open_vehicle(7)
        self.assertEqual(self.browser.find_element(By.ID, "title").text, "003 P SSGN ECHO II")
        self.assertIn("saved", self.edit("c200", "400"))
        self.assertAlmostEqual(self.c_api_length(), 400 * 0.3048, places=3)
        self.browser.execute_script("window.scrollTo(0, 0)")
        self.browser.save_screenshot(os.path.join(SHOTS, "vdb_serve_vehicle.png"))

    def test_a_value_beyond_its_bounds_is_refused_and_nothing_written(self):
        self.open_vehicle(7)
        before = self.served.files()
        message = self.edit("c200", "100000")
        self.assertIn("Not saved", message)
        self.assertIn("outside the editing bounds", message)
        self.assertEqual(self.served.files(), before)

    def test_a_change_made_meanwhile_makes_the_save_refuse(self):
        self.open_vehicle(7)
        self.served.run("set", "7", "c203=40")
        before = self.served.files()
        message = self.edit("c200", "400")
        self.assertIn("Not saved", message)
        self.assertIn("after it was read", message)
        self.assertIn("Yours: 400; stored now: ", message)
        self.assertEqual(self.served.files(), before)

    def test_the_plots_show_one_point_per_stored_value(self):
        # Speeds for the modes and levels that differ; two narrowband tonals of the
        # kinds with a fixed fundamental; a wideband band moved off the rest.
        self.served.run("set", "7", "c430.1=8", "c430.2=16", "c430.3=28", "c510.2=4", "c500.3=25",
                        "c520.3=30", "c701.3=aux", "c720.3=120", "c723.3=20", "c701.5=fir",
                        "c730.5=300", "c733.5=10", "c830.42=500", "c864.42=12")
        self.open_vehicle(7)
        points = {plot: len(self.browser.find_elements(By.CSS_SELECTOR, f"#{plot} .point"))
                  for plot in ["plot-bb", "plot-nb", "plot-wb"]}
        # Three sources in each of three modes; the two tonals; the ten wideband slots.
        self.assertEqual(points, {"plot-bb": 9, "plot-nb": 2, "plot-wb": 10})
        self.browser.find_element(By.ID, "plots").screenshot(os.path.join(SHOTS, "vdb_serve_plots.png"))


if __name__ == "__main__":
    unittest.main()
