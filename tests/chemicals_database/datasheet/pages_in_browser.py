#!/usr/bin/env python3
"""Opens the data sheet pages in headless Chromium through chromedriver (WebDriver over HTTP,
Python standard library only) and checks what a reader sees: the record's name with "<", "&" and a
quote shown as text, the Norwegian letters, every hazard image loaded, the link between the pages.
Saves a screenshot of page 1.

Usage: pages_in_browser.py WRITER FOLDER SCREENSHOT
WRITER writes the pages of the test record into FOLDER/dats/htmfiles (datasheet_page_writer).
"""
import base64
import json
import shutil
import socket
import subprocess
import sys
import time
import urllib.request
from pathlib import Path

NAME = 'A<B & "C" \u00c6\u00d8\u00c5'
EXPECTED_SYMBOLS = ["Tx.png", "Fx.png", "N.png", "redcross.png"]


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


class Driver:
    def __init__(self, port):
        self.base = f"http://127.0.0.1:{port}"
        self.session = None

    def call(self, method, path, body=None):
        data = None if body is None else json.dumps(body).encode()
        request = urllib.request.Request(self.base + path, data=data, method=method,
                                         headers={"Content-Type": "application/json"})
        with urllib.request.urlopen(request, timeout=120) as response:
            return json.loads(response.read())["value"]

    def start(self):
        options = {"args": ["--headless=new", "--no-sandbox", "--disable-gpu", "--window-size=900,1100"]}
        value = self.call("POST", "/session", {"capabilities": {"alwaysMatch": {"goog:chromeOptions": options}}})
        self.session = value["sessionId"]

    def go(self, url):
        self.call("POST", f"/session/{self.session}/url", {"url": url})

    def run(self, script):
        return self.call("POST", f"/session/{self.session}/execute/sync", {"script": script, "args": []})

    def screenshot(self, path):
        Path(path).write_bytes(base64.b64decode(self.call("GET", f"/session/{self.session}/screenshot")))

    def quit(self):
        if self.session:
            self.call("DELETE", f"/session/{self.session}")


def main():
    writer, folder, screenshot = sys.argv[1], Path(sys.argv[2]), sys.argv[3]
    shutil.rmtree(folder, ignore_errors=True)
    folder.mkdir(parents=True)
    subprocess.run([writer], cwd=folder, check=True)
    pages = folder / "dats" / "htmfiles"

    port = free_port()
    chromedriver = subprocess.Popen(["chromedriver", f"--port={port}"], stdout=subprocess.DEVNULL,
                                    stderr=subprocess.DEVNULL)
    failures = []

    def check(condition, what):
        if not condition:
            failures.append(what)

    driver = Driver(port)
    try:
        for _ in range(100):
            try:
                driver.call("GET", "/status")
                break
            except OSError:
                time.sleep(0.1)
        driver.start()
        driver.go((pages / "sheet.htm").as_uri())
        # Wait until every image has loaded or failed.
        for _ in range(100):
            if driver.run("return Array.from(document.images).every(i => i.complete);"):
                break
            time.sleep(0.1)
        title_cell = driver.run("return document.querySelectorAll('big big')[0].textContent;")
        check(title_cell == NAME, f"the name reads {title_cell!r}, not {NAME!r}")
        check(driver.run("return document.querySelectorAll('big big b, big big script').length;") == 0,
              "the name made elements of its own")
        images = driver.run("return Array.from(document.images).map(i => [i.getAttribute('src'), i.naturalWidth]);")
        names = [src.split("/")[-1] for src, _ in images]
        check(names == EXPECTED_SYMBOLS, f"the images are {names}")
        for src, width in images:
            check(width > 0, f"{src} did not load")
        text = driver.run("return document.body.innerText;")
        for words in ["Kj\u00f8lig og t\u00f8rt", "\u00d8YE> Skyll", "F\u00f8rstehjelp", "Instruksjon til"]:
            check(words in text, f"page 1 lacks {words!r}")
        check("Kj\u00f8lig og t\u00f8rt\nlinje to" in text, "a line break of a section is not a line break")
        check(driver.run("return document.characterSet;") == "UTF-8", "page 1 is not read as UTF-8")
        driver.screenshot(screenshot)

        driver.run("document.links[0].click();")
        for _ in range(100):
            if driver.run("return location.pathname.endsWith('sheet1.htm') && document.readyState == 'complete';"):
                break
            time.sleep(0.1)
        text = driver.run("return document.body.innerText;")
        check("Tekniske data" in text, "the link does not lead to the technical data")
        check("L\u00f8selighet (vann)" in text and "lett l\u00f8selig" in text, "page 2 lacks the solubility")
        check("Smeltepunkt\t10.3 oC" in text or "10.3 oC" in text.replace("\u00a0", " "),
              f"page 2 lacks the melting point: {text!r}")
    finally:
        try:
            driver.quit()
        finally:
            chromedriver.terminate()
            chromedriver.wait(timeout=30)
    for failure in failures:
        print("FAILED:", failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
