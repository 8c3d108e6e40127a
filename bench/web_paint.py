#!/usr/bin/python3
# web_paint.py [PAIRS]: the web page's first contentful paint, and the time until Calcola
# works, against a floor page: the same seventeen elements and styles as static HTML, with no
# script and no module. Both served by scripts/serve.py from build-web/site/ (build it first:
# ./web.sh, or cmake --workflow --preset web), loaded in turn (interleaved pairs, 20 by default)
# in Debian's headless Chromium with nothing cached and the network throttled to a slow mobile
# profile (DevTools' "Slow 4G": 562.5 ms round trip, 180 kB/s down, 84 kB/s up). Prints the
# medians and the ratio of first paints, which the page's goal holds within 1.1; status 1 if
# it does not.
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.support.wait import WebDriverWait

TOP = os.path.join(os.path.dirname(os.path.abspath(__file__)), '..')
SITE = os.path.join(TOP, 'build-web', 'site')
SLOW_4G = {'offline': False, 'latency': 562.5, 'downloadThroughput': 180000,
           'uploadThroughput': 84375}
PAINT = "return performance.getEntriesByName('first-contentful-paint')[0]?.startTime"
READY = "return performance.getEntriesByName('imc-ready')[0]?.startTime"


def main():
    pairs = int(sys.argv[1]) if len(sys.argv) > 1 else 20
    with tempfile.TemporaryDirectory() as folder:
        site = os.path.join(folder, 'site')
        shutil.copytree(SITE, site)
        with open(os.path.join(site, 'index.html'), encoding='utf-8') as page:
            floor = re.sub(r'<script[^>]*></script>\n|<link rel="manifest"[^>]*>\n', '',
                           page.read())
        with open(os.path.join(site, 'floor.html'), 'w', encoding='utf-8') as out:
            out.write(floor)
        server = subprocess.Popen([sys.executable, os.path.join(TOP, 'scripts', 'serve.py'),
                                   site, '0'], stdout=subprocess.PIPE, text=True)
        url = re.search(r'http://\S+/', server.stdout.readline()).group(0)
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        for argument in ('--headless=new', '--no-sandbox', f'--user-data-dir={folder}/profile'):
            options.add_argument(argument)
        driver = webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)
        try:
            driver.execute_cdp_cmd('Network.enable', {})
            driver.execute_cdp_cmd('Network.setCacheDisabled', {'cacheDisabled': True})
            driver.execute_cdp_cmd('Network.setBypassServiceWorker', {'bypass': True})
            driver.execute_cdp_cmd('Network.emulateNetworkConditions', SLOW_4G)
            times = {'floor': [], 'page': [], 'ready': []}
            for _ in range(pairs):
                for name in ('floor', 'page'):
                    driver.get('about:blank')
                    driver.get(url + ('floor.html' if name == 'floor' else ''))
                    wait = WebDriverWait(driver, 60)
                    times[name].append(wait.until(lambda d: d.execute_script(PAINT)))
                    if name == 'page':
                        times['ready'].append(wait.until(lambda d: d.execute_script(READY)))
        finally:
            driver.quit()
            server.kill()
    median = {name: statistics.median(values) for name, values in times.items()}
    ratio = median['page'] / median['floor']
    print(f"{pairs} pairs, medians: first paint {median['page']:.0f} ms against the floor's "
          f"{median['floor']:.0f} ms ({ratio:.3f} times); Calcola works at "
          f"{median['ready']:.0f} ms")
    return 0 if ratio <= 1.1 else 1


if __name__ == '__main__':
    sys.exit(main())
