#!/usr/bin/python3
# The web page as a user meets it, in Debian's Chromium driven through WebDriver: the checks
# every front end passes (places, captions, tab order, keys, every button, the boxes in order),
# and what only the browser shows: its language's separator, its colour schemes, zoom and phone
# screens, starting offline, privacy, axe-core.
#
#     test_page.py SITE EXPECTED.json AXE.JS
#
# The site is served by scripts/serve.py; each check starts the page afresh and waits until its
# module has arrived (the page stops being busy). A press runs its command at once, so its
# boxes are open when the click returns.
import io, json, os, re, subprocess, sys, tempfile, unittest

from PIL import Image
from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.wait import WebDriverWait

SITE, AXE = sys.argv[1], sys.argv[3]
EXPECTED = json.load(open(sys.argv[2], encoding='utf-8'))
LABEL = 2  # window::Kind
TOP = os.path.join(os.path.dirname(__file__), '..', '..', '..')
WARNING = 'Attenzione !!!: Il valore del peso deve essere maggiore di zero'
HEIGHT_WARNING = "Attenzione !!!: Il valore dell'altezza deve essere maggiore di zero"
CLASS = 'Indicazione Stato Fisico: Lo Stato Fisico è : '
ERROR = 'Indice di Massa Corporea: Errore di run-time '


def spoken(text):
    return re.sub(r'\s+', ' ', text)


def contrast(a, b):  # WCAG's ratio of two sRGB colours' relative luminances
    high, low = sorted((sum(w * (v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4)
                            for w, v in zip((0.2126, 0.7152, 0.0722), (c / 255 for c in rgb)))
                        for rgb in (a, b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


class Page(unittest.TestCase):
    dismissed = 0  # boxes, all checks together

    @classmethod
    def setUpClass(cls):
        cls.serve()
        cls.profiles = []  # each browser's own
        cls.driver = cls.browser()

    @classmethod
    def browser(cls, *arguments):
        options = webdriver.ChromeOptions()
        options.binary_location = '/usr/bin/chromium'
        cls.profiles.append(tempfile.TemporaryDirectory())
        for argument in ('--headless=new', '--no-sandbox',
                         '--user-data-dir=' + cls.profiles[-1].name, *arguments):
            options.add_argument(argument)
        options.set_capability('goog:loggingPrefs', {'performance': 'ALL'})
        return webdriver.Chrome(service=Service('/usr/bin/chromedriver'), options=options)

    @classmethod
    def serve(cls):
        cls.server = subprocess.Popen([sys.executable, os.path.join(TOP, 'scripts', 'serve.py'),
                                       SITE, '0'], stdout=subprocess.PIPE, text=True)
        cls.url = re.search(r'http://\S+/', cls.server.stdout.readline()).group(0)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        cls.server.kill()

    def start(self, locale='en-US', media=(), width=800, height=700, scale=1):
        d = self.driver
        d.execute_cdp_cmd('Emulation.setLocaleOverride', {})
        d.execute_cdp_cmd('Emulation.setLocaleOverride', {'locale': locale})
        d.execute_cdp_cmd('Network.setUserAgentOverride', {  # the browser's language
            'userAgent': d.execute_script('return navigator.userAgent'), 'acceptLanguage': locale})
        d.execute_cdp_cmd('Emulation.setEmulatedMedia',
                          {'features': [{'name': n, 'value': v} for n, v in media]})
        d.execute_cdp_cmd('Emulation.setDeviceMetricsOverride', {
            'width': width, 'height': height, 'deviceScaleFactor': scale, 'mobile': width < 400})
        d.get(self.url)
        WebDriverWait(d, 10).until(lambda d: self.ready())

    def ready(self):  # drawn, and its module arrived
        return self.js('return document.getElementById("Tellun")?.ariaBusy === null')

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def el(self, name):
        return self.driver.find_element(By.ID, name)

    def focus(self):
        return self.js('return document.activeElement.id')

    def key(self, *keys):
        ActionChains(self.driver).send_keys(*keys).perform()

    # Each box `action` makes the page show, read and dismissed with Enter, Space or Escape
    # in turn: "title: prompt", and " (critical)" where its icon is the critical one rather
    # than the information one. The focus then goes `back`: by default where it was.
    def messages(self, action, back=None):
        back = self.focus() if back is None else back
        action()
        seen = []
        while self.js('return !!document.getElementById("box")?.open'):
            self.assertEqual(self.focus(), 'boxOk')
            icon = {'Errore': ' (critical)', 'Informazione': ''}[self.el('boxIcon').accessible_name]
            seen.append(self.el('boxTitle').get_property('textContent') + ': '
                        + self.el('boxPrompt').get_property('textContent') + icon)
            Page.dismissed += 1
            self.key((Keys.ENTER, Keys.SPACE, Keys.ESCAPE)[Page.dismissed % 3])
            self.assertLess(len(seen), 5)
        if seen:
            self.assertEqual(self.focus(), back)
        return seen

    def press(self, button):  # clicked, which focuses it
        return self.messages(lambda: self.el(button).click(), button)

    def type(self, box, text):  # whole, as pasted
        self.js("arguments[0].value = arguments[1].replaceAll('~', '\\uD800')", self.el(box), text)

    # How many lines a control's text takes, and where the last ends.
    def text(self, name):
        return self.js('const r = document.createRange(); r.selectNodeContents(arguments[0]); '
                       'return [r.getClientRects().length, r.getBoundingClientRect().right]',
                       self.el(name))

    # The contrast of a label's inkiest pixel with its background, from the screen.
    def ink(self, name):
        image = Image.open(io.BytesIO(self.el(name).screenshot_as_png)).convert('RGB')
        pixels = list(image.getdata())
        return max(contrast(p, pixels[0]) for p in pixels)

    # Each control at its place (a pixel of 96 dpi is a CSS pixel), with its caption, font
    # and accessible name; each label's text on one line and legible; the fraction bar in the
    # text's colour.
    def test_controls(self):
        self.start()
        self.assertEqual(self.driver.title, 'Indice di Massa Corporea')
        self.assertEqual(self.js('return document.documentElement.lang'), 'it')
        window = self.el('Tellun').rect
        self.assertEqual((window['width'], window['height']), (361, 414))
        for c in EXPECTED['controls']:
            with self.subTest(c['name']):
                e = self.el(c['name'])
                self.assertEqual([e.rect['x'] - window['x'], e.rect['y'] - window['y'],
                                  e.rect['width'], e.rect['height']], c['place'])
                self.assertEqual(e.get_property('value' if c['label'] else 'textContent'),
                                 '' if c['label'] else c['caption'])
                font = self.js('const s = getComputedStyle(arguments[0]); '
                               'return [s.fontFamily, s.fontSize, s.fontWeight, s.fontStyle]', e)
                self.assertEqual(font[0].split(',')[0].strip('"'), c['family'])
                self.assertEqual(font[1:], [f"{c['pixels']:g}px", '700' if c['bold'] else '400',
                                            'italic' if c['italic'] else 'normal'])
                if c['kind'] == LABEL:
                    self.assertEqual(self.text(c['name'])[0], 1)
                    self.assertGreaterEqual(self.ink(c['name']), 4.5)
                else:  # (a name's blanks are collapsed, as the browser computes it)
                    self.assertEqual(e.accessible_name, spoken(c['label'] or c['caption']))
        self.assertEqual(*self.js('return [getComputedStyle(arguments[0]).backgroundColor, '
                                  'getComputedStyle(document.body).color]', self.el('Line1')))
        note = EXPECTED['controls'][1]['caption']
        boxes = [(n['name']['value'], n.get('description', {}).get('value', '')) for n in
                 self.driver.execute_cdp_cmd('Accessibility.getFullAXTree', {})['nodes']
                 if n.get('role', {}).get('value') == 'textbox']
        self.assertEqual(boxes, [(spoken(c['label']), note if c['name'] != 'TxtFattore' else '')
                                 for c in EXPECTED['controls'] if c['label']])

    # Tab and Shift+Tab follow the tab order and wrap: in an app's window at once, in a tab
    # by way of the browser's own stops (which leave the page without a focused control);
    # Escape does nothing, nor Enter in a text box; a focused button is pressed by Space and
    # by Enter.
    def test_keyboard(self):
        order = EXPECTED['tabOrder']
        tab = self.driver
        for app in (False, True):
            self.driver = self.browser('--app=' + self.url) if app else tab
            if app:
                self.addCleanup(self.driver.quit)
            self.start()
            self.assertEqual(self.focus(), order[0])
            for step in range(1, 2 * len(order) + 1):
                self.key(Keys.ESCAPE)
                if self.focus().startswith('Txt'):
                    self.assertEqual(self.messages(lambda: self.key(Keys.ENTER)), [])
                forward = step <= len(order)
                for _ in range(1 if app else 2):
                    self.key(Keys.TAB) if forward else ActionChains(self.driver).key_down(
                        Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
                    if self.focus():
                        break
                self.assertEqual(self.focus(),
                                 order[(step if forward else 2 * len(order) - step) % len(order)])
                self.assertEqual(self.driver.current_url, self.url)  # nothing submitted
            self.key(Keys.TAB, Keys.TAB)
            for key in (Keys.SPACE, Keys.ENTER):
                self.assertEqual(self.messages(lambda: self.key(key)), [WARNING, HEIGHT_WARNING])

    # Each button with the boxes as typed, under two languages: the boxes in order, the
    # result with the language's separator, and the program goes on. Text crosses whole, at
    # any length, lone surrogates (~) included.
    def test_buttons(self):
        presses = [
            ('70', '1.75', 'CmdCalcola', [CLASS + 'di Peso Forma'], '22{}85714'),
            ('70', '175', 'CmdCalcola', [CLASS + 'di Grave Magrezza'], '0{}002285714'),
            ('70', '1,75', 'CmdCalcola', [CLASS + 'di Super Obeso'], '70'),
            ('', '', 'CmdCalcola', [WARNING, HEIGHT_WARNING], ''),
            ('1e40', '1.75', 'CmdCalcola', [ERROR + "'6':\n\nOverflow (critical)"], ''),
            ('70', '1e-200', 'CmdCalcola', [ERROR + "'11':\n\nDivisione per zero (critical)"], ''),
            ('7' + ' ' * 1000000 + '0', '1.75~', 'CmdCalcola', [CLASS + 'di Peso Forma'],
             '22{}85714'),
            ('70', '1.75', 'CmdCancella', [], ' '),
        ]
        for locale, separator in (('it-IT', ','), ('en-US', '.')):
            for weight, height, button, messages, result in presses:
                with self.subTest(f'{weight[:8]} / {height} {button} {locale}'):
                    self.start(locale)
                    self.type('TxtPeso', weight)
                    self.type('TxtAltezza', height)
                    self.assertEqual(self.press(button), messages)
                    self.assertEqual(self.el('TxtFattore').get_property('value'),
                                     result.format(separator))
                    self.assertEqual(self.el('TxtFattore').get_property('scrollLeft'), 0)
                    self.assertEqual(self.el('TxtPeso').get_property('value'),
                                     ' ' if button == 'CmdCancella' else weight)
                    self.type('TxtPeso', '-1')
                    self.type('TxtAltezza', '1')
                    self.assertEqual(self.press('CmdCalcola'), [WARNING])

    # Uscita ends the program at once, with nothing asked: a window a script opened closes;
    # a tab leaves for an empty page, and going back starts the program again.
    def test_end(self):
        self.start()
        self.type('TxtPeso', '70')
        self.el('CmdUscita').click()
        self.assertEqual(self.driver.current_url, 'about:blank')
        self.driver.back()
        WebDriverWait(self.driver, 10).until(lambda d: d.current_url == self.url and self.ready())
        self.assertEqual(self.el('TxtPeso').get_property('value'), '')
        tab = self.driver.current_window_handle
        self.js('window.open(arguments[0])', self.url)
        self.driver.switch_to.window(self.driver.window_handles[-1])
        WebDriverWait(self.driver, 10).until(lambda d: self.ready())
        self.el('CmdUscita').click()
        WebDriverWait(self.driver, 10).until(lambda d: len(d.window_handles) == 1)
        self.driver.switch_to.window(tab)

    # Any failure but a run-time error is said in a box of its own, and the program ends: a
    # module that cannot arrive, or one that traps in a command.
    def test_failures(self):
        self.driver.execute_cdp_cmd('Network.setBlockedURLs', {'urls': ['*.wasm']})
        self.driver.execute_cdp_cmd('Network.enable', {})
        try:
            self.driver.get(self.url)
            WebDriverWait(self.driver, 10).until(lambda d: d.execute_script(
                'return document.getElementById("box").open'))
            self.assertEqual(self.messages(lambda: None, ''), [
                'Indice di Massa Corporea: Impossibile caricare il programma. (critical)'])
        finally:
            self.driver.execute_cdp_cmd('Network.setBlockedURLs', {'urls': []})
        self.assertEqual(self.driver.current_url, 'about:blank')
        self.start()
        self.js('module = new Proxy(module, { get: (exports, name) => name !== "imc_run" ? '
                'exports[name] : () => { throw new WebAssembly.RuntimeError("unreachable"); } })')
        self.assertEqual(self.messages(lambda: self.el('CmdCalcola').click(), ''),
                         ['Indice di Massa Corporea: Errore imprevisto. (critical)'])
        self.assertEqual(self.driver.current_url, 'about:blank')

    # Every label legible in the light and dark schemes and in forced colours; at 200 %
    # zoom and on a 360 × 640 phone, every caption whole on one line and nothing to scroll
    # sideways.
    def test_schemes_and_screens(self):
        labels = [c['name'] for c in EXPECTED['controls'] if c['kind'] == LABEL]
        for media in ([('prefers-color-scheme', 'light')], [('prefers-color-scheme', 'dark')],
                      [('forced-colors', 'active')]):
            with self.subTest(media):
                self.start(media=media)
                for name in labels:
                    self.assertGreaterEqual(self.ink(name), 4.5, name)
        for width, height, scale in ((640, 600, 2), (360, 640, 3)):
            with self.subTest(f'{width} × {height}'):
                self.start(width=width, height=height, scale=scale)
                self.assertLessEqual(self.js('return document.documentElement.scrollWidth'), width)
                for c in EXPECTED['controls']:
                    lines, right = self.text(c['name'])
                    self.assertLessEqual(lines, 1, c['name'])
                    self.assertLessEqual(right, width, c['name'])

    # Installable as an app; no request once loaded, none ever to another origin, no cookie,
    # nothing kept, nothing in the console; after one visit it starts and works with the server
    # gone.
    def test_private_and_offline(self):
        def requests():  # those the page has asked for since the last call
            events = [json.loads(e['message'])['message']
                      for e in self.driver.get_log('performance')]
            return [e['params']['request']['url'] for e in events
                    if e['method'] == 'Network.requestWillBeSent'
                    and e['params']['documentURL'].startswith(self.url)]
        requests()
        self.driver.get_log('browser')
        self.start()
        self.js('return navigator.serviceWorker.ready.then(() => true)')
        self.assertEqual(self.driver.execute_cdp_cmd('Page.getInstallabilityErrors', {}),
                         {'installabilityErrors': []})
        self.assertEqual([url for url in requests() if not url.startswith(self.url)], [])
        for button in ('CmdCalcola', 'CmdCancella', 'CmdCalcola'):
            self.type('TxtPeso', '70')
            self.type('TxtAltezza', '1.75')
            self.press(button)
        self.assertEqual(requests(), [])
        self.assertEqual(self.driver.get_cookies(), [])
        self.assertEqual(self.js('return localStorage.length + sessionStorage.length'), 0)
        self.assertEqual(self.driver.get_log('browser'), [])  # nothing refused, nothing failed
        self.server.kill()
        self.server.wait()
        try:
            self.start()
            self.type('TxtPeso', '70')
            self.type('TxtAltezza', '1.75')
            self.assertEqual(self.press('CmdCalcola'), [CLASS + 'di Peso Forma'])
        finally:
            self.serve()

    # axe-core finds no violation, with the window and with a box open.
    def test_axe(self):
        self.start()
        for opened in (False, True):
            if opened:
                self.el('CmdCalcola').click()
            self.js(open(AXE, encoding='utf-8').read())
            result = self.driver.execute_async_script(
                'axe.run().then(r => arguments[0](r.violations.map(v => v.id + ": " + v.help)))')
            self.assertEqual(result, [], f'box open: {opened}')


if __name__ == '__main__':
    unittest.main(argv=sys.argv[:1], verbosity=2)
