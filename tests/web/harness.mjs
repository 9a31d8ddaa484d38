// What every browser test needs: Debian's chromium, headless, with its own scratch profile;
// the page opened from disk, with the fake navigator.hid put in first; bounded waits.
import {mkdtempSync, readFileSync, rmSync, existsSync, statSync} from "node:fs";
import {tmpdir} from "node:os";
import {join} from "node:path";
import {pathToFileURL} from "node:url";
import puppeteer from "puppeteer-core";

export const kWait = 60000;  // the longest step: a backup and a write at the protocol's pace

export function parseArguments(argv) {
  const options = {};
  const rest = [];
  for (let i = 0; i < argv.length; ++i) {
    if (argv[i].startsWith("--")) options[argv[i].slice(2)] = argv[++i];
    else rest.push(argv[i]);
  }
  return {options, rest};
}

export class Session {
  constructor(options) {
    this.options = options;
    this.scratch = mkdtempSync(join(tmpdir(), "qx720-web-"));
    this.requests = [];
  }

  // fake: null for a browser without WebHID, else the fake adaptor's options. init: a script
  // run in the page before its own.
  async open({query = "", fake = {granted: true}, init = ""} = {}) {
    this.browser = await puppeteer.launch({
      executablePath: this.options.chromium || "/usr/bin/chromium",
      headless: true,
      userDataDir: join(this.scratch, "profile"),
      args: ["--no-sandbox", "--no-first-run", "--disable-gpu", "--no-default-browser-check"],
    });
    const session = await this.browser.target().createCDPSession();
    this.downloads = join(this.scratch, "downloads");
    await session.send("Browser.setDownloadBehavior", {behavior: "allow", downloadPath: this.downloads});
    this.errors = [];
    this.url = pathToFileURL(this.options.page).href;
    this.page = await this.load(await this.browser.newPage(), {query, fake, init});
    return this.page;
  }

  // Another tab of the same browser with the page: a view of this session on it (its own fake
  // adaptor and radio, the same storage and locks).
  async openTab({query = "", fake = {granted: true}, init = ""} = {}) {
    const page = await this.load(await this.browser.newPage(), {query, fake, init});
    return Object.create(this, {page: {value: page}});
  }

  async load(page, {query, fake, init}) {
    await page.setViewport({width: 1280, height: 1000});
    page.on("pageerror", (error) => this.errors.push(error.message));
    await page.setRequestInterception(true);
    page.on("request", (request) => {
      this.requests.push(request.url());
      request.continue();
    });
    if (init) await page.evaluateOnNewDocument(init);
    if (fake === null) {
      await page.evaluateOnNewDocument(() => {
        Object.defineProperty(Navigator.prototype, "hid", {get: () => undefined, configurable: true});
      });
    } else {
      const radioJs = readFileSync(this.options["fake-js"], "utf8");
      const radioWasm = readFileSync(this.options["fake-wasm"]).toString("base64");
      const install = readFileSync(new URL("./fake_hid.js", import.meta.url), "utf8");
      await page.evaluateOnNewDocument(`${radioJs}\n${install}\nqxInstallFakeHid(${JSON.stringify(fake)}, "${radioWasm}");`);
    }
    await page.goto(this.url + query);
    if (!query.includes("selftest")) await page.waitForFunction(() => window.qxReady === true, {timeout: kWait});
    return page;
  }

  async close() {
    if (this.browser) await this.browser.close();
    rmSync(this.scratch, {recursive: true, force: true});
  }

  status() { return this.page.$eval("#status", (e) => e.textContent); }

  async waitStatus(text, timeout = kWait) {
    try {
      // On every change rather than every frame: a page behind another tab paints no frames.
      await this.page.waitForFunction((t) => document.getElementById("status").textContent === t,
                                      {timeout, polling: "mutation"}, text);
    } catch (error) {
      const box = await this.dialogText();
      throw new Error(`status "${await this.status()}" instead of "${text}"${box ? `; message: ${box}` : ""}`);
    }
  }

  // The open message's caption and text, or "" when none is open.
  dialogText() {
    return this.page.evaluate(() => {
      const dialog = document.getElementById("question");
      return dialog.open ? `${dialog.querySelector("h2").textContent}: ${document.getElementById("question-text").textContent}` : "";
    });
  }

  // Both on every change rather than every frame, as waitStatus.
  async waitDialog(timeout = kWait) {
    await this.page.waitForFunction(() => document.querySelector("dialog[open]") !== null, {timeout, polling: "mutation"});
    return this.dialogText();
  }

  async answer(value) {
    // The button's own click, not a mouse at its place: a dialog still being laid out on a busy
    // machine would take the mouse's click elsewhere. Answered once the dialog closed or shows
    // another message (the page may open its next one at once, before a look at the first).
    const button = await this.page.$(`#question-buttons button[value="${value}"]`);
    if (!button) throw new Error(`no button "${value}" in: ${await this.dialogText()}`);
    await button.evaluate((b) => b.click());
    await this.page.waitForFunction((b) => !document.getElementById("question").open || !b.isConnected,
                                    {timeout: kWait, polling: "mutation"}, button);
    await button.dispose();
  }

  click(selector) { return this.page.click(selector); }

  // A field's value, or any other element's text.
  text(selector) {
    return this.page.$eval(selector, (e) => (["INPUT", "SELECT", "TEXTAREA"].includes(e.tagName) ? e.value : e.textContent));
  }

  // The file the page offered for download, once the browser has finished writing it.
  async downloaded(name, timeout = 20000) {
    const path = join(this.downloads, name);
    const end = Date.now() + timeout;
    while (Date.now() < end) {
      if (existsSync(path) && statSync(path).size > 0) {
        await new Promise((resolve) => setTimeout(resolve, 100));
        return readFileSync(path);
      }
      await new Promise((resolve) => setTimeout(resolve, 50));
    }
    throw new Error(`no download ${name}`);
  }

  async uploadTo(selector, path) {
    const input = await this.page.$(selector);
    await input.uploadFile(path);
  }
}

export function assert(condition, message) {
  if (!condition) throw new Error(message);
}

export function assertEqual(actual, expected, what) {
  if (actual !== expected) throw new Error(`${what}: ${JSON.stringify(actual)} instead of ${JSON.stringify(expected)}`);
}
