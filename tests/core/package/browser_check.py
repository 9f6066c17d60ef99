#!/usr/bin/env python3
"""Opens every page of a web folder in headless Chromium through the DevTools
protocol (over a pipe, no network port) and checks what a visitor would get:
every picture decoded, every link leading to a file of the folder, the style
sheet applied, no request leaving the folder, no page wider than a phone.
Saves screenshots of the index at phone width and at 1366 px.

Usage: browser_check.py CHROMIUM FOLDER OUTPUT_DIR NAME
Exit 0 when every check passes; otherwise prints what failed and exits 1."""

import base64
import fcntl
import json
import os
import subprocess
import sys
import tempfile
import time
import urllib.parse
import urllib.request

TIMEOUT = 60


class Browser:
    def __init__(self, chromium, profile):
        to_child_r, self.to_child = os.pipe()
        self.from_child, from_child_w = os.pipe()
        # The browser's ends go to fds 3 and 4 of the child. They are first moved
        # out of the way, so that neither lands on the other's place.
        child_r = fcntl.fcntl(to_child_r, fcntl.F_DUPFD_CLOEXEC, 10)
        child_w = fcntl.fcntl(from_child_w, fcntl.F_DUPFD_CLOEXEC, 10)
        os.close(to_child_r)
        os.close(from_child_w)

        def pipes_at_3_and_4():
            os.dup2(child_r, 3, inheritable=True)
            os.dup2(child_w, 4, inheritable=True)

        self.proc = subprocess.Popen(
            [chromium, "--headless", "--disable-gpu", "--no-sandbox", "--remote-debugging-pipe",
             "--user-data-dir=" + profile, "--no-first-run", "--no-default-browser-check",
             "--disable-extensions", "--disable-background-networking", "--disable-sync",
             "--disable-component-update", "--hide-scrollbars", "--font-render-hinting=none", "about:blank"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=open(os.path.join(profile, "..", "chromium-stderr.txt"), "w") if os.environ.get("BROWSER_CHECK_LOG") else subprocess.DEVNULL,
            close_fds=False, preexec_fn=pipes_at_3_and_4)
        os.close(child_r)
        os.close(child_w)
        self.buffer = b""
        self.next_id = 0
        self.events = []

    def _read_message(self, deadline):
        while b"\0" not in self.buffer:
            if time.time() > deadline:
                raise TimeoutError("no answer from the browser")
            chunk = os.read(self.from_child, 1 << 20)
            if not chunk:
                raise RuntimeError("the browser closed its pipe")
            self.buffer += chunk
        message, self.buffer = self.buffer.split(b"\0", 1)
        return json.loads(message)

    def call(self, method, params=None, session=None):
        self.next_id += 1
        request = {"id": self.next_id, "method": method, "params": params or {}}
        if session:
            request["sessionId"] = session
        os.write(self.to_child, json.dumps(request).encode() + b"\0")
        deadline = time.time() + TIMEOUT
        while True:
            message = self._read_message(deadline)
            if message.get("id") == self.next_id:
                if "error" in message:
                    raise RuntimeError(f"{method}: {message['error']}")
                return message.get("result", {})
            self.events.append(message)

    def wait_for(self, method, session, since):
        deadline = time.time() + TIMEOUT
        index = since
        while True:
            while index < len(self.events):
                event = self.events[index]
                index += 1
                if event.get("method") == method and event.get("sessionId") == session:
                    return
            self.events.append(self._read_message(deadline))

    def close(self):
        try:
            self.call("Browser.close")
        except Exception:
            pass
        try:
            self.proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            self.proc.wait()


PAGE_FACTS = """JSON.stringify({
  images: [...document.images].map(i => ({src: i.currentSrc, width: i.naturalWidth, height: i.naturalHeight})),
  links: [...document.querySelectorAll('a[href]')].map(a => a.href),
  scripts: document.scripts.length,
  styled: getComputedStyle(document.body).backgroundColor,
  overflow: document.documentElement.scrollWidth - window.innerWidth,
  columns: (() => { const g = document.querySelector('.griglia');
                    return g ? getComputedStyle(g).gridTemplateColumns.split(' ').length : 0; })()
})"""


def main():
    chromium, folder, output, name = sys.argv[1:5]
    folder = os.path.realpath(folder)
    os.makedirs(output, exist_ok=True)
    prefix = urllib.parse.urljoin("file:", urllib.request.pathname2url(folder)) + "/"
    pages = sorted(os.path.relpath(os.path.join(root, f), folder)
                   for root, _, files in os.walk(folder) for f in files if f.endswith(".html"))
    failures = []
    requests = []
    with tempfile.TemporaryDirectory() as profile:
        browser = Browser(chromium, profile)
        try:
            target = browser.call("Target.createTarget", {"url": "about:blank"})["targetId"]
            session = browser.call("Target.attachToTarget", {"targetId": target, "flatten": True})["sessionId"]
            for method in ("Page.enable", "Network.enable", "Runtime.enable"):
                browser.call(method, session=session)

            def show(page, width, height, mobile):
                browser.call("Emulation.setDeviceMetricsOverride",
                             {"width": width, "height": height, "deviceScaleFactor": 1, "mobile": mobile},
                             session=session)
                since = len(browser.events)
                browser.call("Page.navigate", {"url": prefix + urllib.request.pathname2url(page)}, session=session)
                browser.wait_for("Page.loadEventFired", session, since)
                result = browser.call("Runtime.evaluate", {"expression": PAGE_FACTS, "returnByValue": True},
                                      session=session)
                return json.loads(result["result"]["value"])

            for page in pages:
                for width, height, mobile in ((1366, 768, False), (390, 844, True)):
                    facts = show(page, width, height, mobile)
                    where = f"{page} at {width} px"
                    for image in facts["images"]:
                        if image["width"] <= 0 or image["height"] <= 0:
                            failures.append(f"{where}: picture not loaded: {image['src']}")
                    for link in facts["links"]:
                        path = urllib.request.url2pathname(urllib.parse.urlparse(link).path)
                        if not link.startswith(prefix) or not os.path.isfile(path):
                            failures.append(f"{where}: link leads nowhere in the folder: {link}")
                    if facts["scripts"]:
                        failures.append(f"{where}: {facts['scripts']} scripts")
                    if facts["styled"] != "rgb(240, 244, 248)":
                        failures.append(f"{where}: style sheet not applied ({facts['styled']})")
                    if facts["overflow"] > 0:
                        failures.append(f"{where}: {facts['overflow']} px wider than the screen")
                    if page == "index.html":
                        wanted = 2 if mobile else 4
                        if facts["columns"] < wanted:
                            failures.append(f"{where}: grid of {facts['columns']} columns, {wanted} wanted")
                        shot = browser.call("Page.captureScreenshot", {"format": "png"}, session=session)
                        with open(os.path.join(output, f"{name}-index-{width}.png"), "wb") as f:
                            f.write(base64.b64decode(shot["data"]))
            for event in browser.events:
                if event.get("method") == "Network.requestWillBeSent":
                    requests.append(event["params"]["request"]["url"])
        finally:
            browser.close()

    for url in requests:
        if url != "about:blank" and not url.startswith(prefix):
            failures.append(f"request leaves the folder: {url}")
    if not requests:
        failures.append("the browser reported no request at all")
    print(f"{len(pages)} pages, {len(requests)} requests checked in {folder}")
    for failure in failures:
        print("FAIL:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
