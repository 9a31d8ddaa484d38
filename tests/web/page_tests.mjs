// The page in a real browser. One case per run: node page_tests.mjs --page qx720-clone.html
// --fake-js F.js --fake-wasm F.wasm --qx720 PATH CASE. Every case has its own browser profile
// and scratch folder; nothing is fetched and no port is opened.
import {execFileSync} from "node:child_process";
import {existsSync, readFileSync, writeFileSync} from "node:fs";
import {join} from "node:path";
import {Session, assert, assertEqual, parseArguments, kWait} from "./harness.mjs";

const {options, rest} = parseArguments(process.argv.slice(2));
const kMmsiOffset = 0xa404;
const kMmsiByUserOffset = 0x34;
const kCloneFirst = 0x0100, kCloneEnd = 0x0700;  // what a write replaces, and its backup keeps
const kInUse = "The adaptor is in use in another tab.";
// The lock every tab of the page takes for the fake adaptor's runs.
const kFakeAdaptorLock = "qx720-adaptor:0483:5750:QX720 clone adaptor (test)";

function qx720(session, ...args) {
  return execFileSync(options.qx720, args, {cwd: session.scratch, encoding: "utf8", timeout: 30000});
}

// A clone file from `qx720 defaults`, optionally with an MMSI the radio holds.
function defaults(session, name, model, set, mmsi = "") {
  const path = join(session.scratch, name);
  qx720(session, "defaults", "-o", path, "--model", model, "--set", set);
  if (mmsi) {
    const bytes = readFileSync(path);
    bytes.writeInt32LE(0, kMmsiByUserOffset);
    bytes.fill(0, kMmsiOffset, kMmsiOffset + 12);
    bytes.write(mmsi, kMmsiOffset, "latin1");
    writeFileSync(path, bytes);
  }
  return path;
}

// The fake radio: random bytes outside the clone span, the record inside it.
async function fillRadio(session, recordPath) {
  const page = session.page;
  const random = Array.from({length: 8192}, (_, i) => (i * 151 + 7) & 0xff);
  await page.evaluate((bytes) => window.qxFake.setEeprom(new Uint8Array(bytes)), random);
  const ok = await page.evaluate((bytes) => window.qxFake.loadRecord(new Uint8Array(bytes)), Array.from(readFileSync(recordPath)));
  assert(ok, "the fake radio did not take the record");
  return page.evaluate(() => window.qxFake.eeprom());
}

const checksumShown = async (session) => (await session.text("#checksum")).match(/(0x[0-9A-F]{8})/)[1];
const channelCount = (session) => session.page.$$eval("#channel-list option", (o) => o.length);
const backups = (session) => session.page.evaluate(async () => (await qxBackups.list()).map((b) => ({name: b.name, bytes: Array.from(b.bytes)})));
const radioEeprom = (session) => session.page.evaluate(() => window.qxFake.eeprom());
const same = (a, b) => JSON.stringify(a) === JSON.stringify(b);

// A write whose document holds `mmsi` to a radio that holds another: its identity question.
async function writeAsked(session, mmsi) {
  await typeMmsi(session, mmsi);
  await session.click("#write");
  return session.waitDialog();
}

// The page shows no document until a read, a file or the defaults: these start from the defaults.
async function showDocument(session) {
  if (!(await session.page.$eval("#no-document", (e) => e.hidden))) await session.click("#start-default");
  await session.page.waitForFunction(() => document.getElementById("no-document").hidden, {timeout: kWait});
}

// A click on a dealer's control, under Advanced.
async function advancedClick(session, selector) {
  await session.page.$eval("#advanced", (e) => { e.open = true; });
  await session.click(selector);
}

async function typeMmsi(session, mmsi) {
  await showDocument(session);
  if (await session.page.$eval("#mmsi-by-user", (e) => e.checked)) await session.click("#mmsi-by-user");
  await session.page.$eval("#mmsi", (e) => { e.value = ""; });
  await session.page.type("#mmsi", mmsi);
}

async function loadDefault(session, model, set) {
  await session.page.select("#default-model", String(model));
  await session.page.evaluate((name) => {
    const select = document.getElementById("default-set");
    select.value = [...select.options].find((o) => o.textContent === name).value;
  }, set);
  await session.click("#load-default");
}

// The page's own look: a click in the page, wherever the control is laid out.
const press = (page, selector) => page.$eval(selector, (e) => e.click());
const waitText = (page, selector, text) => page.waitForFunction((s, t) => document.querySelector(s).textContent === t,
                                                                   {timeout: kWait, polling: "mutation"}, selector, text);
const waitOpenDialog = (page) => page.waitForFunction(() => document.querySelector("dialog[open]") !== null,
                                                      {timeout: kWait, polling: "mutation"});
const answerIn = (page, value) => page.$eval(`#question-buttons button[value="${value}"]`, (b) => b.click());

// A catalog as the page gets it: every finished entry by its English, whatever its context.
function catalogOf(language) {
  const xml = readFileSync(new URL(`../../translations/qx720_${language}.ts`, import.meta.url), "utf8");
  const entities = {lt: "<", gt: ">", quot: '"', apos: "'", amp: "&"};
  const unescape = (text) => text.replace(/&(#x[0-9a-f]+|#[0-9]+|lt|gt|quot|apos|amp);/gi, (whole, name) =>
    (name[0] === "#" ? String.fromCodePoint(Number(name[1].toLowerCase() === "x" ? `0${name.slice(1)}` : name.slice(1))) : entities[name]));
  const table = new Map();
  for (const [, body] of xml.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
    const from = body.match(/<source>([\s\S]*?)<\/source>/), to = body.match(/<translation>([\s\S]*?)<\/translation>/);
    if (from && to && !table.has(unescape(from[1]))) table.set(unescape(from[1]), unescape(to[1]));
  }
  return table;
}

// Every text the page shows and every name and description a screen reader gives, as it
// stands. The radio's own labels (its channel lines, usages and name characters, as its
// display shows them), the typed identities and the print view are data, not the page's words.
async function shownTexts(page) {
  const data = "#channel-list, #channel-usage, #channel-name-first, #channel-name-second, #band, #print-view";
  const {texts, dataTexts} = await page.evaluate((data) => {
    const shown = (e) => (e.closest("dialog") ? e.closest("dialog").open : e.checkVisibility());
    const texts = [], dataTexts = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const element = node.parentElement, text = node.nodeValue.trim();
      if (!text || ["SCRIPT", "STYLE"].includes(element.tagName)) continue;
      if (element.closest(data)) dataTexts.push(text);
      else if (shown(element.tagName === "OPTION" ? element.closest("select") : element)) texts.push(text);
    }
    for (const element of document.querySelectorAll("[aria-label], [title], [placeholder], [alt]")) {
      if (!shown(element) || element.closest("#print-view")) continue;
      for (const name of ["aria-label", "title", "placeholder", "alt"]) if (element.getAttribute(name)) texts.push(element.getAttribute(name));
    }
    return {texts, dataTexts};
  }, data);
  const oneLine = (text) => text.replace(/\s+/g, " ").trim();
  const excluded = new Set(dataTexts.map(oneLine));
  const walk = (node) => {
    for (const text of [node.name, node.description]) if (text && !excluded.has(oneLine(text))) texts.push(oneLine(text));
    (node.children || []).forEach(walk);
  };
  walk(await page.accessibility.snapshot({interestingOnly: true}));
  return texts;
}

// The page walked through its states: the first screen (with a notice of an interrupted write),
// Advanced open, after a Read, a message, the channel dialog, an MMSI's hint, after a write with
// its backup listed, the identity question and the backup's delete question. What it showed,
// state by state.
async function walkPage(tab, catalog) {
  const page = tab.page, t = (text) => catalog.get(text) ?? text;
  const seen = [];
  const look = async (state) => { for (const text of await shownTexts(page)) seen.push({state, text}); };
  // A question on the way (one the page asks before dropping a document, or before replacing an
  // identity): looked at, then answered with the button that goes on.
  const goOn = async (state) => {
    if (!(await page.$("#question[open]"))) return;
    await look(state);
    await page.$eval("#question-buttons", (row) => row.querySelector('[value="yes"], [value="discard"], [value="ok"]').click());
  };
  await look("first screen");
  await page.$eval("#advanced", (e) => { e.open = true; });
  await look("Advanced open");
  await press(page, "#read");
  await waitText(page, "#status", t("Read OK."));
  await look("after a Read");
  await page.select("#band", await page.$eval("#band", (e) => e.options[0].value));
  await press(page, "#channel-edit");
  await waitOpenDialog(page);
  await look("a message");
  await answerIn(page, "ok");
  await page.select("#default-model", "1");
  await page.select("#default-set", "0");
  await press(page, "#load-default");
  const privateBand = "#band option[value=Private]";
  await page.waitForFunction((band) => document.querySelector(band) || document.querySelector("#question[open]"),
                             {timeout: kWait, polling: "mutation"}, privateBand);
  await goOn("the question before Load Default");
  await page.waitForSelector(privateBand, {timeout: kWait});
  await page.select("#band", "Private");
  await press(page, "#channel-add");
  await page.waitForSelector("#channel-dialog[open]", {timeout: kWait});
  await look("the channel dialog");
  await press(page, "#channel-cancel");
  const typeMmsi = (mmsi) => page.evaluate((mmsi) => {
    if (document.getElementById("mmsi-by-user").checked) document.getElementById("mmsi-by-user").click();
    const field = document.getElementById("mmsi");
    field.value = mmsi;
    field.dispatchEvent(new Event("input"));
  }, mmsi);
  await typeMmsi("257012345");
  await look("an MMSI typed");
  await press(page, "#write");
  await page.waitForFunction((ok) => document.getElementById("status").textContent === ok || document.querySelector("#question[open]"),
                             {timeout: kWait, polling: "mutation"}, t("Write OK."));
  await goOn("a question before the write");
  await waitText(page, "#status", t("Write OK."));
  await page.waitForSelector("#backup-list button", {timeout: kWait});
  await look("after a write, its backup listed");
  await typeMmsi("235012345");
  await press(page, "#write");
  await page.waitForSelector("#question[open]", {timeout: kWait});
  await look("the identity question");
  await answerIn(page, "no");
  await waitText(page, "#status", t("Write cancelled: identity kept."));
  await press(page, "#backup-list li button:last-of-type");
  await waitOpenDialog(page);
  await look("the delete question");
  await answerIn(page, "no");
  return seen;
}

// Words that are the same in every language here: the radio's terms, its models, units.
const kRadioTerms = ["MMSI", "ATIS", "USA", "INT", "CAN", "WX", "PLL", "EUR", "QX720", "EEPROM", "USB", "CSV", "ZIP", "MHz", "KHz",
                     "Tx", "Rx", "ID", "OK", "HandShake", "narrow"];

// The page in `language` walked as in English: a text that holds a word only the English page
// and catalogs use, and no catalog of that language, is English left over.
async function noEnglishLeft(session, language) {
  const english = catalogOf(language), none = new Map();
  const record = JSON.stringify({kind: "write", checksum: 1, document: "radio.dat", backup: "qx720-backup-20260101-120000.bin",
                                 time: Date.UTC(2026, 0, 1, 12)});
  const interrupted = `if (!sessionStorage.getItem("seen")) { sessionStorage.setItem("seen", "1"); localStorage.setItem("qx720-clone.write-in-progress", ${JSON.stringify(record)}); }`;
  await session.open({query: "?radio=virtual&lang=en", fake: {granted: false}, init: interrupted});
  const inEnglish = await walkPage(session, none);
  const other = await session.openTab({query: `?radio=virtual&lang=${language}`, fake: {granted: false}, init: interrupted});
  assertEqual(await other.page.evaluate(() => document.documentElement.lang), language, "the page's language");
  assert(await other.page.$eval("#interrupted", (e) => !e.hidden), "the notice of the interrupted write");
  const shown = await walkPage(other, english);

  // Names of files, paths and numbers in hexadecimal are no words of any language; the names of
  // the administrations an MMSI belongs to are the ITU table's, as it gives them.
  const administrations = readFileSync(new URL("../../data/mid.tsv", import.meta.url), "utf8").split("\n")
                              .filter((line) => /^\d/.test(line)).map((line) => line.split("\t")[1].trim())
                              .sort((a, b) => b.length - a.length);
  const words = (text) => (administrations.reduce((rest, name) => rest.split(name).join(" "), text).replace(/QX720 Clone/g, " ").replace(/\S+\.(bin|dat|csv|zip|txt|rules)\b|\/\S+|\b0x[0-9A-F]+\b/gi, " ")
                               .match(/\p{L}[\p{L}'’]+/gu) || []).map((word) => word.toLowerCase());
  const englishWords = new Set([...inEnglish.map((s) => s.text), ...english.keys()].flatMap(words));
  const ownWords = new Set([...english.values(), ...kRadioTerms].flatMap(words));
  const left = new Map();
  for (const {state, text} of shown) {
    const foreign = words(text).filter((word) => englishWords.has(word) && !ownWords.has(word));
    if (foreign.length > 0 && !left.has(text)) left.set(text, `${state}: "${text}" (${foreign.join(", ")})`);
  }
  assertEqual([...left.values()].join("\n"), "", `English in the ${language} page`);
}

const cases = {
  // The diagnostic a supporter asks for, and not one request beyond the file itself.
  async selftest(session) {
    await session.open({query: "?selftest", fake: {granted: false}});
    await session.page.waitForFunction(() => document.title.startsWith("selftest "), {timeout: kWait});
    const title = await session.page.title();
    assert(/^selftest OK \d+$/.test(title), `title "${title}"`);
    const foreign = session.requests.filter((url) => !url.startsWith(session.url));
    assertEqual(foreign.join(" "), "", "requests beyond the page");
  },

  async read(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    await session.open();
    await fillRadio(session, record);
    assertEqual(await session.text("#port"), "Detected", "the granted adaptor");
    // Read while another tab is in front: the pauses are timed by the page's worker then.
    await session.click("#read");
    await (await session.browser.newPage()).bringToFront();
    assertEqual(await session.page.evaluate(() => document.visibilityState), "hidden", "the page behind another tab");
    assertEqual(session.page.workers().length, 1, "the pauses' worker");
    await session.waitStatus("Read OK.");
    assertEqual(await session.text("#mmsi"), "257012345", "the MMSI read");
    assert(await session.page.$eval("#model-europe", (e) => e.checked), "Europe model read");
    assert((await session.text("#mmsi-hint")).includes("Norway"), "the MMSI's country");
    // What the command line reads from a radio with the same EEPROM.
    const eeprom = join(session.scratch, "radio.bin");
    writeFileSync(eeprom, Buffer.from(await session.page.evaluate(() => window.qxFake.eeprom())));
    const read = join(session.scratch, "read.dat");
    qx720(session, "--radio", `virtual:${eeprom},fast`, "read", "-o", read);
    assertEqual(await checksumShown(session), qx720(session, "checksum", read).trim().replace("CheckSum=", ""), "the record read");
    assertEqual(await session.page.evaluate(() => window.qxFake.lastReportLength), 64, "the output report's payload");
  },

  // A complete backup, stored, then the write; a radio's MMSI is replaced only when the user
  // says so.
  async write(session) {
    const record = defaults(session, "held.dat", "usa", "none");
    await session.open();
    const before = await fillRadio(session, record);
    await typeMmsi(session, "235012345");
    await session.click("#write");
    await session.waitStatus("Write OK.");
    assertEqual(await session.page.evaluate(() => window.qxFake.mmsi()), "235012345", "the MMSI written");
    const kept = await backups(session);
    assertEqual(kept.length, 1, "backups");
    assert(/^qx720-backup-\d{8}-\d{6}\.bin$/.test(kept[0].name), `backup name ${kept[0].name}`);
    assert(same(kept[0].bytes, before.slice(kCloneFirst, kCloneEnd)), "the backup against the clone range before the write");
    assertEqual(await session.text("#backup-kept"), `The radio's previous contents were saved in this browser as ${kept[0].name}.`,
                "the backup named");

    const written = await session.page.evaluate(() => window.qxFake.eeprom());
    await typeMmsi(session, "257012345");
    await session.click("#write");
    const asked = await session.waitDialog();
    assert(asked.includes("The radio holds MMSI 235012345") && asked.includes("Write MMSI 257012345"), `question: ${asked}`);
    await session.answer("no");
    await session.waitStatus("Write cancelled: identity kept.");
    assertEqual(JSON.stringify(await session.page.evaluate(() => window.qxFake.eeprom())), JSON.stringify(written),
                "the radio after No");
    assertEqual((await backups(session)).length, 1, "backups after No: a declined write keeps none");

    // A backup the browser will not store: nothing is sent.
    await session.page.evaluate(() => { qxBackups.add = async () => { throw new Error("the storage is full"); }; });
    await writeAsked(session, "257012345");
    await session.answer("yes");
    assertEqual(await session.waitDialog(),
                "Write Error: No backup of the radio could be made, so nothing was written to it.\nthe storage is full",
                "the refused backup");
    await session.answer("ok");
    assert(same(await radioEeprom(session), written), "the radio after the refused backup");
  },

  // The identity question's safe answer is No: Enter, Esc and No keep the radio's MMSI, and
  // nothing is written or kept; only Yes writes.
  async identityQuestion(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    await session.open();
    const before = await fillRadio(session, record);
    const answers = [
      ["Enter", () => session.page.keyboard.press("Enter")],
      ["Escape", () => session.page.keyboard.press("Escape")],
      ["No", () => session.click('#question-buttons button[value="no"]')],
    ];
    for (const [how, answer] of answers) {
      const asked = await writeAsked(session, "235012345");
      assert(asked.startsWith("Write to Radio: The radio holds MMSI 257012345") && asked.includes("Write MMSI 235012345"),
             `${how}: question: ${asked}`);
      assertEqual(await session.page.evaluate(() => document.activeElement.value), "no", `${how}: the focused button`);
      await answer();
      await session.waitStatus("Write cancelled: identity kept.");
      assert(same(await radioEeprom(session), before), `${how}: the radio was written`);
      assertEqual((await backups(session)).length, 0, `${how}: backups`);
      assertEqual(await session.page.$eval("#backup-kept", (e) => e.hidden), true, `${how}: a backup named`);
    }
    await writeAsked(session, "235012345");
    await session.answer("yes");
    await session.waitStatus("Write OK.");
    assertEqual(await session.page.evaluate(() => window.qxFake.mmsi()), "235012345", "the MMSI after Yes");
    assertEqual((await backups(session)).length, 1, "backups after Yes");
  },

  // Either kind of backup goes back byte for byte: the clone range a write keeps by default, the
  // whole EEPROM when the user asks for it (remembered for the next visit).
  async restoreKinds(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    await session.open();
    const kinds = [
      {whole: false, size: kCloneEnd - kCloneFirst, kind: "clone range", data: "clone-range"},
      {whole: true, size: 8192, kind: "whole EEPROM", data: "whole"},
    ];
    for (const row of kinds) {
      const before = await fillRadio(session, record);
      if (await session.page.$eval("#backup-whole", (e) => e.checked) !== row.whole) await advancedClick(session, "#backup-whole");
      await writeAsked(session, "235012345");
      await session.answer("yes");
      await session.waitStatus("Write OK.");
      const [taken] = await backups(session);
      assertEqual(taken.bytes.length, row.size, `${row.kind}: the backup's size`);
      assert(same(taken.bytes, row.whole ? before : before.slice(kCloneFirst, kCloneEnd)), `${row.kind}: the backup's bytes`);
      const item = await session.page.waitForFunction((name) =>
        [...document.querySelectorAll("#backup-list li")].find((li) => li.textContent.startsWith(name)), {timeout: kWait}, taken.name);
      assert((await item.evaluate((li) => li.textContent)).includes(`(${row.kind}, `), `${row.kind}: the list says so`);
      assertEqual(await item.evaluate((li) => li.dataset.kind), row.data, `${row.kind}: the item's kind`);

      await session.click(`.backups button[aria-label="Restore ${taken.name}"]`);
      assert((await session.waitDialog()).startsWith(`Restore: Write ${taken.name} back into the radio?`), `${row.kind}: question`);
      await session.answer("yes");
      assert((await session.waitDialog()).startsWith("Restore: The radio holds MMSI 235012345"), `${row.kind}: identity question`);
      await session.answer("yes");
      await session.waitStatus("Restore OK.");
      assert(same(await radioEeprom(session), before), `${row.kind}: the radio after the restore`);
      const [beforeRestore] = await backups(session);
      assertEqual(beforeRestore.bytes.length, row.size, `${row.kind}: the backup taken before the restore`);
      assertEqual(await session.text("#backup-kept"),
                  `The radio's contents before the restore were saved in this browser as ${beforeRestore.name}.`,
                  `${row.kind}: the backup named`);
    }
    // The typed MMSI is in no file: the browser asks before the reload drops it.
    session.page.once("dialog", (dialog) => dialog.accept());
    await session.page.reload();
    await session.page.waitForFunction(() => window.qxReady === true, {timeout: kWait});
    assert(await session.page.$eval("#backup-whole", (e) => e.checked), "the whole-EEPROM choice after a reload");
  },

  // One run per adaptor in the browser: while another holds its lock (a second tab at its
  // write's question, or anyone else), a run is refused at once and nothing is sent.
  async lock(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    await session.open();
    const holders = [
      ["another tab's write at its question", async () => {
        const other = await session.openTab();
        await fillRadio(other, record);
        await writeAsked(other, "235012345");
        return async () => {
          await other.page.bringToFront();  // a click needs a page in view
          await other.answer("no");
          await other.waitStatus("Write cancelled: identity kept.");
        };
      }],
      ["a lock held in this tab", async () => {
        await session.page.evaluate((name) => new Promise((held) => {
          navigator.locks.request(name, () => new Promise((release) => { window.releaseTestLock = release; held(); }));
        }), kFakeAdaptorLock);
        return () => session.page.evaluate(() => window.releaseTestLock());
      }],
    ];
    for (const [holder, hold] of holders) {
      const release = await hold();
      await session.page.bringToFront();
      const sent = await session.page.evaluate(() => window.qxFake.sentences);
      await session.click("#read");
      assertEqual(await session.waitDialog(), `Read From Radio: ${kInUse}`, `${holder}: the message`);
      await session.answer("ok");
      assertEqual(await session.status(), kInUse, `${holder}: the status`);
      assertEqual(await session.page.evaluate(() => window.qxFake.sentences), sent, `${holder}: sentences sent`);
      await release();
      await session.page.bringToFront();
      await session.click("#read");
      await session.waitStatus("Read OK.");
    }
    // A browser without the locks goes on without them, whoever holds one elsewhere.
    const release = await holders[1][1]();
    const unlocked = await session.openTab({init: "delete Navigator.prototype.locks;"});
    assertEqual(await unlocked.page.evaluate(() => "locks" in navigator), false, "the locks removed");
    await advancedClick(unlocked, "#handshake");
    await unlocked.waitStatus("HandShake OK.");
    await release();
  },

  // A number under a ticked "entry by user" box is not sent: it is neither refused nor named
  // in the question, which asks about what the write really does.
  async entryByUser(session) {
    await session.open();
    const rows = [
      {radio: "", typed: "012345678", asked: null},
      {radio: "257012345", typed: "235012345", asked: "Write to Radio: The radio holds MMSI 257012345 (Norway). Write over it and clear it?"},
    ];
    for (const row of rows) {
      await fillRadio(session, defaults(session, `radio${row.radio}.dat`, "eur-int", "uk", row.radio));
      await typeMmsi(session, row.typed);
      await session.click("#mmsi-by-user");
      await session.click("#write");
      if (row.asked === null) {
        await session.waitStatus("Write OK.");
        assertEqual(await session.page.evaluate(() => window.qxFake.mmsi()), "", `${row.typed}: the radio's MMSI`);
      } else {
        assertEqual(await session.waitDialog(), row.asked, `${row.typed}: the question`);
        await session.answer("no");
        await session.waitStatus("Write cancelled: identity kept.");
        assertEqual(await session.page.evaluate(() => window.qxFake.mmsi()), row.radio, `${row.typed}: the radio's MMSI`);
      }
    }
  },

  async verifyEurope(session) {
    const record = defaults(session, "held.dat", "usa", "none");
    await session.open();
    await fillRadio(session, record);
    await loadDefault(session, 1, "All");
    await session.click("#write");
    await session.waitStatus("Write OK.");
    await session.click("#verify");
    await session.waitStatus("Verify OK.");
    assert((await session.text("#report")).includes("PRI=1"), "the verify report shown");
    // One group more in the page than in the radio.
    await advancedClick(session, '#groups input[data-group="3"]');
    await session.click("#verify");
    await session.waitStatus("Verify Error.");
  },

  // The adaptor pulled during the write: the page says so, the backup is kept, and once the
  // adaptor is back the backup puts the radio as it was.
  async unplug(session) {
    const record = defaults(session, "held.dat", "usa", "none");
    await session.open();
    const before = await fillRadio(session, record);
    await typeMmsi(session, "235012345");
    // The clone range backed up (a HandShake and 77 blocks), then 30 blocks of the write.
    await session.page.evaluate(() => { window.qxFake.unplugAfter = 78 + 1 + 30; });
    await session.click("#write");
    const message = await session.waitDialog();
    assert(message.startsWith("Write Error: Radio is not detected!"), `message: ${message}`);
    assert(/saved in this browser as qx720-backup-\d{8}-\d{6}\.bin/.test(message), `no backup named: ${message}`);
    await session.answer("ok");
    await session.waitStatus("Write Error.");
    assertEqual((await backups(session)).length, 1, "backups after the unplug");
    assertEqual(await session.text("#port"), "--------", "the port after the unplug");
    assert(await session.page.$eval("#read", (e) => e.disabled), "Read without an adaptor");

    await session.page.evaluate(() => window.qxFake.plug());
    await session.page.waitForFunction(() => document.getElementById("port").textContent === "Detected", {timeout: kWait});
    const partly = await session.page.evaluate(() => window.qxFake.eeprom());
    assert(JSON.stringify(partly) !== JSON.stringify(before), "the write changed nothing before the unplug");
    await session.click(".backups li button:nth-of-type(2)");
    assert((await session.waitDialog()).startsWith("Restore: Write qx720-backup-"), "the restore's question");
    await session.answer("yes");
    // The write got as far as the MMSI, which the restore takes away again.
    const replaced = await session.waitDialog();
    assert(replaced.startsWith("Restore: The radio holds MMSI 235012345 (") && replaced.endsWith("Write over it and clear it?"),
           `question: ${replaced}`);
    await session.answer("yes");
    await session.waitStatus("Restore OK.");
    assertEqual((await backups(session)).length, 2, "backups after the restore");
    assertEqual(JSON.stringify(await session.page.evaluate(() => window.qxFake.eeprom())), JSON.stringify(before),
                "the radio after the restore");
  },

  // A radio that stops answering part way: the reply's time-out closes the link, as on the
  // desktop, and the read ends with the document as it was.
  async silent(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    await session.open();
    await fillRadio(session, record);
    await session.page.evaluate(() => { window.qxFake.silentAfter = 10; });
    await session.click("#read");
    assertEqual(await session.waitDialog(), "Read Error: Radio is not detected!", "the message");
    await session.answer("ok");
    await session.waitStatus("Read Error.");
    assertEqual(await session.text("#mmsi"), "", "the document after the failed read");
    assertEqual(await session.page.evaluate(() => window.qxFake.sentences), 11, "sentences: ten answered, one lost");
  },

  async stop(session) {
    await session.open({query: "?radio=virtual", fake: {granted: false}});
    assertEqual(await session.text("#port"), "Virtual", "the virtual radio shown");
    await session.click("#read");
    await session.page.waitForFunction(() => document.getElementById("progress").value > 5, {timeout: kWait});
    assertEqual(await session.text("#read"), "Stop", "the running command's caption");
    assert(await session.page.$eval("#write", (e) => e.disabled), "the other commands locked");
    await session.click("#read");
    await session.waitStatus("User Cancel.");
    assertEqual(await session.text("#read"), "Read From Radio", "the caption after the stop");
    await session.click("#read");
    await session.waitStatus("Read OK.");

    // A write stopped part way: the window's box, and the way back named.
    await session.click("#write");
    await session.waitStatus("Writing...");
    await session.page.waitForFunction(() => document.getElementById("progress").value > 5, {timeout: kWait});
    await session.click("#write");
    const message = await session.waitDialog();
    assert(message.startsWith("Write Error: User Cancel.") && /qx720-backup-\d{8}-\d{6}\.bin/.test(message),
           `message: ${message}`);
    await session.answer("ok");
    await session.waitStatus("User Cancel.");

    // Leaving while a command runs: the browser asks first.
    await session.click("#read");
    await session.waitStatus("Reading...");
    const asked = new Promise((resolve) => session.page.once("dialog", async (dialog) => {
      resolve(dialog.type());
      await dialog.accept();
    }));
    await session.page.goto("about:blank", {timeout: kWait});
    assertEqual(await Promise.race([asked, new Promise((resolve) => setTimeout(() => resolve("none"), 5000))]),
                "beforeunload", "the question on leaving");
  },

  // Byte for byte the desktop's clone files, both ways.
  async cloneFiles(session) {
    const made = readFileSync(defaults(session, "uk.dat", "eur-int", "uk"));
    await session.open({fake: {granted: false}});
    await loadDefault(session, 1, "UK");
    await session.click("#save");
    await session.waitStatus("Save as file OK.");
    const saved = await session.downloaded("radio.dat");
    assert(Buffer.compare(saved, made) === 0, `the saved file differs from qx720's (${saved.length} bytes)`);

    const norway = defaults(session, "norway.dat", "eur-int-usa", "norway");
    await session.uploadTo("#open-file", norway);
    await session.waitStatus("Open file OK.");
    assert((await session.text("#document-name")).startsWith("norway.dat"), "the document's name");

    // A changed document from a file: the window's offer before another one takes its place.
    await advancedClick(session, '#groups input[data-group="2"]');
    await session.click("#load-default");
    assertEqual(await session.waitDialog(), "WARNING: File is modified. Do you want to save?", "the offer");
    await session.answer("no");
    await session.page.waitForFunction(() => document.getElementById("document-name").textContent.startsWith("QX720"),
                                       {timeout: kWait});
    await session.uploadTo("#open-file", norway);
    await session.page.waitForFunction(() => document.getElementById("document-name").textContent.startsWith("norway.dat"),
                                       {timeout: kWait});
    const broken = join(session.scratch, "short.dat");
    writeFileSync(broken, readFileSync(norway).subarray(0, 1000));
    await session.uploadTo("#open-file", broken);
    assertEqual(await session.waitDialog(), "Error: Unknown File Format.", "a file too short");
    await session.answer("ok");
    assert((await session.text("#document-name")).startsWith("norway.dat"), "the document after the refused file");
    assertEqual(await checksumShown(session), qx720(session, "checksum", norway).trim().replace("CheckSum=", ""), "the record opened");

    // The frequency table as qx720 exports it, but for the date and time in its first lines.
    await session.click("#freq-table");
    const table = (await session.downloaded("FreqTable.txt")).toString("latin1");
    const exported = join(session.scratch, "exported.txt");
    qx720(session, "export", norway, "-o", exported);
    const undated = (text) => text.split("\r\n").filter((line) => !/^(Date|Time)/.test(line)).join("\r\n");
    assertEqual(undated(table), undated(readFileSync(exported, "latin1")), "the frequency table");
  },

  async csv(session) {
    await session.open({fake: {granted: false}});
    await loadDefault(session, 1, "All");
    const original = await checksumShown(session);
    await session.page.select("#band", "Private");
    const count = await channelCount(session);
    await session.click("#csv-export");
    const csv = (await session.downloaded("channels.csv")).toString("latin1");
    const path = join(session.scratch, "same.csv");
    writeFileSync(path, csv, "latin1");
    await session.uploadTo("#csv-file", path);
    await session.waitStatus("Imported the private channels of same.csv.");
    assertEqual(await checksumShown(session), original, "the record after its own CSV");

    const shorter = join(session.scratch, "shorter.csv");
    writeFileSync(shorter, csv.trimEnd().split("\r\n").slice(0, -1).join("\r\n") + "\r\n", "latin1");
    await session.uploadTo("#csv-file", shorter);
    await session.waitStatus("Imported the private channels of shorter.csv.");
    await session.page.select("#band", "Private");
    assertEqual(await channelCount(session), count - 1, "private channels after the shorter CSV");
    await session.click("#undo");
    assertEqual(await checksumShown(session), original, "the record after undo");
  },

  // Add, Edit and Remove under the channel setup dialog's rules, each one undoable step.
  async privateChannels(session) {
    await session.open({fake: {granted: false}});
    await loadDefault(session, 1, "None");
    await session.click("#channel-add");
    assertEqual(await session.waitDialog(), "Error: Only Private Channel Can be Modified!", "Add outside the private band");
    await session.answer("ok");
    await session.page.select("#band", "Private");
    const fill = async (name, tx, duplex, lines) => {
      await session.page.waitForSelector("#channel-dialog[open]", {timeout: kWait});
      await session.page.select("#channel-name-first", name[0]);
      await session.page.select("#channel-name-second", name[1]);
      await session.page.$eval("#channel-tx", (e, tx) => { e.value = tx; e.dispatchEvent(new Event("input")); }, tx);
      await session.click(duplex ? "#channel-duplex" : "#channel-simplex");
      await session.click("#channel-ok");
      await session.page.waitForFunction(() => !document.getElementById("channel-dialog").open, {timeout: kWait});
      if (lines !== undefined)
        await session.page.waitForFunction((n) => document.querySelectorAll("#channel-list option").length === n, {timeout: kWait}, lines);
    };
    await session.click("#channel-add");
    await fill("M1", "180.0", false);
    assert((await session.waitDialog()).startsWith("Error: Invalid Tx Frequency.\nFrequency=0.00625*N.\nRange=136.0000 - 174.0000"),
           "the refused frequency");
    await session.answer("ok");
    await session.page.waitForSelector("#channel-dialog[open]", {timeout: kWait});  // back for another try
    await session.click("#channel-cancel");
    await session.page.waitForFunction(() => !document.getElementById("channel-dialog").open, {timeout: kWait});
    assertEqual(await channelCount(session), 0, "channels after a refused Add");
    // Duplex past the band: the clone file check would refuse the file, so the dialog does.
    await session.click("#channel-add");
    await fill("M1", "170.0", true);
    assertEqual(await session.waitDialog(),
                "Error: RX would be 174.60000 MHz, outside 136..174 MHz: a clone file with this channel would not open again. " +
                "Choose Simplex, or a TX of at most 169.4 MHz for Duplex.", "the refused Duplex");
    await session.answer("ok");
    await session.page.waitForSelector("#channel-dialog[open]", {timeout: kWait});
    await session.click("#channel-cancel");
    await session.page.waitForFunction(() => !document.getElementById("channel-dialog").open, {timeout: kWait});
    assertEqual(await channelCount(session), 0, "channels after a refused Duplex");

    await session.click("#channel-add");
    await fill("M1", "156.0", false, 1);
    await session.click("#channel-add");
    await fill("L2", "160.0", true, 2);
    const lines = await session.page.$$eval("#channel-list option", (o) => o.map((e) => e.textContent));
    assertEqual(lines.length, 2, "channels after two Adds");
    assert(lines[0].includes("M1") && lines[0].includes("156.0000") && lines[1].includes("L2") && lines[1].includes("164.6000"),
           `lines: ${lines.join(" | ")}`);

    await session.page.select("#channel-list", "0");
    await session.click("#channel-edit");
    await fill("C3", "157.0", false, 2);
    await session.page.waitForFunction(() => document.querySelector("#channel-list option").textContent.includes("C3"),
                                       {timeout: kWait});
    await session.page.select("#channel-list", "0");
    await session.click("#channel-remove");
    assertEqual(await channelCount(session), 1, "channels after Remove");
    await session.click("#undo");
    assertEqual(await channelCount(session), 2, "channels after undoing the Remove");
  },

  // The window's hints and checks: a number the radio refuses stays in its field, said in red,
  // and Write and Save refuse it until it is mended.
  async identities(session) {
    await session.open({query: "?radio=virtual", fake: {granted: false}});
    await typeMmsi(session, "012345678");
    assertEqual(await session.text("#mmsi-hint"), "The radio refuses this number: a group's MMSI starts with 0.", "hint");
    assert(await session.page.$eval("#mmsi-hint", (e) => e.classList.contains("refused")), "the refusal in red");
    await advancedClick(session, '#groups input[data-group="2"]');  // another edit keeps the typed number
    assertEqual(await session.text("#mmsi"), "012345678", "the field after another edit");
    await session.click("#write");
    assertEqual(await session.waitDialog(), "Error: Invalid MMIS ID:012345678\nMake sure 9 digitals.", "Write");
    await session.answer("ok");
    await session.click("#save");
    assertEqual(await session.waitDialog(), "Error: Invalid MMIS ID:012345678\nMake sure 9 digitals.", "Save");
    await session.answer("ok");
    assertEqual(await session.status(), "Ready", "the status after the refusals: nothing started");

    await typeMmsi(session, "257012345");
    assertEqual(await session.text("#mmsi-hint"), "Norway", "the MMSI's country");
    if (await session.page.$eval("#atis-by-user", (e) => e.checked)) await session.click("#atis-by-user");
    await session.click("#from-mmsi");
    assertEqual(await session.text("#atis"), "257012345", "from MMSI");
    await session.click("#undo");
    assertEqual(await session.text("#atis"), "", "the ATIS ID after undo");
  },

  // The print view through the browser's own print: the sheet holds the document and nothing
  // of the controls, the card the enabled groups, Letter gives Letter pages.
  async print(session) {
    if (!existsSync("/usr/bin/pdftotext") || !existsSync("/usr/bin/pdfinfo")) {
      console.log("skipped: no pdftotext");
      return;
    }
    const page = await session.open({query: "?radio=virtual", fake: {granted: false}});
    await loadDefault(session, 2, "UK");
    await typeMmsi(session, "235012345");
    await page.type("#print-vessel", "Sea Breeze");
    await page.type("#print-call-sign", "MZZX7");
    await page.select("#band", "Private");
    const privateNames = (await page.$$eval("#channel-list option", (o) => o.map((e) => e.textContent))).map((line) => line.split(",")[0].trim());
    assert(privateNames.length >= 2, `private channels: ${privateNames}`);
    assert(!(await page.$eval("#print-view", (e) => e.offsetParent !== null || e.getClientRects().length > 0)), "the print view on screen");
    await page.evaluate(() => { window.printCalls = 0; window.print = () => { window.printCalls += 1; }; });
    const printed = async (button, name) => {
      const before = await page.evaluate(() => window.printCalls);
      await session.click(button);
      assertEqual(await page.evaluate(() => window.printCalls), before + 1, `window.print from ${button}`);
      const path = join(session.scratch, name);
      await page.pdf({path, preferCSSPageSize: true, printBackground: true});
      const info = execFileSync("/usr/bin/pdfinfo", [path], {encoding: "utf8"});
      return {text: execFileSync("/usr/bin/pdftotext", ["-layout", path, "-"], {encoding: "utf8"}),
              pages: Number(info.match(/^Pages:\s+(\d+)/m)[1]), size: info.match(/^Page size:\s+([\d.]+) x ([\d.]+)/m).slice(1, 3).map(Number)};
    };
    const controls = ["Read From Radio", "Connect adaptor...", "Load Default", "Print commissioning sheet", "Backups"];
    const sheet = await printed("#print-sheet", "sheet.pdf");
    for (const text of ["235012345", "Sea Breeze", "MZZX7", "QX720 commissioning record", ...privateNames])
      assert(sheet.text.includes(text), `the sheet lacks "${text}":\n${sheet.text}`);
    for (const text of controls) assert(!sheet.text.includes(text), `the sheet shows the control "${text}"`);
    assertEqual(sheet.pages, 1, "the typical sheet's pages");
    // In points, within the rounding of Chromium's PDF.
    const sized = (size, width, height) => Math.abs(size[0] - width) < 1 && Math.abs(size[1] - height) < 1;
    assert(sized(sheet.size, 595.3, 841.9), `A4 page size: ${sheet.size}`);

    // Without the USA group the card has no USA channels.
    await advancedClick(session, '#groups input[data-group="1"]');
    const card = await printed("#print-card", "card.pdf");
    for (const text of ["QX720 channel card", "INT (", "156.8000", ...privateNames]) assert(card.text.includes(text), `the card lacks "${text}":\n${card.text}`);
    assert(!card.text.includes("USA ("), "the card shows the USA group, switched off");
    for (const text of controls) assert(!card.text.includes(text), `the card shows the control "${text}"`);

    await page.select("#print-paper", "letter");
    const letter = await printed("#print-sheet", "letter.pdf");
    assert(sized(letter.size, 612, 792), `Letter page size: ${letter.size}`);
    assertEqual(letter.pages, 1, "the Letter sheet's pages");
    assert(letter.text.includes("235012345"), "the Letter sheet's MMSI");
    assert(!letter.text.includes("Written and verified"), "verified before any write");

    // A Write, then a Verify that finds it on the radio: the sheet says so.
    await session.click("#write");
    await session.waitStatus("Write OK.");
    await session.click("#verify");
    await session.waitStatus("Verify OK.");
    const verified = await printed("#print-sheet", "verified.pdf");
    assert(verified.text.includes("Written and verified: "), `the verified write:\n${verified.text}`);
  },

  // The window's catalogs in the page: the browser's language, or ?lang=.
  async language(session) {
    const catalog = readFileSync(new URL("../../translations/qx720_de.ts", import.meta.url), "utf8");
    const german = (text) => catalog.match(new RegExp(`<source>${text.replace(/[.]/g, "\\.")}</source>\\s*<translation>([^<]*)<`))[1];
    await session.open({query: "?radio=virtual&lang=de", fake: {granted: false}});
    assertEqual(await session.text("#write"), german("Write to Radio"), "the Write button");
    await typeMmsi(session, "001234567");
    assertEqual(await session.text("#mmsi-hint"),
                german("The radio refuses this number: %1.").replace("%1", german("a coast station&apos;s MMSI starts with 00")),
                "the refusal");
    assertEqual(await session.page.evaluate(() => document.documentElement.lang), "de", "the page's language");
    await advancedClick(session, "#handshake");
    await session.waitStatus(german("HandShake OK."));
  },

  // Every control has a name a screen reader says, and the page fits a phone's width.
  async accessibility(session) {
    const page = await session.open({query: "?radio=virtual", fake: {granted: false}});
    await loadDefault(session, 1, "UK");
    await page.select("#band", "Private");
    await page.$eval("#advanced", (e) => { e.open = true; });
    const unnamed = [];
    for (const control of await page.$$("input:not([hidden]), select, button, textarea, progress")) {
      const visible = await control.evaluate((e) => e.offsetParent !== null || e.closest("dialog") !== null);
      if (!visible || (await control.evaluate((e) => e.closest("dialog:not([open])") !== null))) continue;
      const node = await page.accessibility.snapshot({root: control, interestingOnly: false});
      if (!node || !node.name || !node.name.trim()) unnamed.push(await control.evaluate((e) => e.outerHTML.slice(0, 80)));
    }
    assertEqual(unnamed.join("\n"), "", "controls without a name");
    await page.setViewport({width: 360, height: 740});
    const overflow = await page.evaluate(() => document.documentElement.scrollWidth - document.documentElement.clientWidth);
    assert(overflow <= 0, `the page is ${overflow} px wider than a phone`);
  },

  // The first screen leads: each step opens once it can be done, the page holds no document
  // until one is read, opened or loaded, and the dealer's controls stay folded until opened.
  async firstScreen(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    const page = await session.open({fake: {granted: false}});
    const state = () => page.evaluate(() => ({
      read: !document.getElementById("read").disabled,
      write: !document.getElementById("write").disabled,
      verify: !document.getElementById("verify").disabled,
      current: document.querySelector(".steps li[aria-current=step]").id,
      empty: !document.getElementById("no-document").hidden,
      fields: document.getElementById("mmsi").offsetParent !== null,
    }));
    const expect = async (wanted, when) => {
      const actual = await state();
      for (const [key, value] of Object.entries(wanted)) assertEqual(actual[key], value, `${when}: ${key}`);
    };
    await expect({read: false, write: false, verify: false, current: "step-connect", empty: true, fields: false}, "first visit");
    assertEqual(await page.$eval("#advanced", (e) => e.open), false, "Advanced at first");
    // The status is one live region, inside none other: said once.
    assertEqual(await page.$eval("#status", (e) => [e.getAttribute("role"),
                                                    !!e.parentElement.closest("[aria-live], [role=status], [role=alert], [role=log], output")].join()),
                "status,false", "the status's live region");

    // A closed chooser: the status says so, and nothing is connected.
    await page.evaluate(() => {
      window.realRequest = navigator.hid.requestDevice;
      navigator.hid.requestDevice = async () => [];
    });
    await session.click("#connect");
    await session.waitStatus("No adaptor chosen.");
    await expect({read: false, current: "step-connect"}, "after a closed chooser");
    await page.evaluate(() => { navigator.hid.requestDevice = window.realRequest; });
    await session.click("#connect");
    await page.waitForFunction(() => document.getElementById("port").textContent === "Detected", {timeout: kWait});
    await expect({read: true, write: false, verify: false, current: "step-read", empty: true}, "the adaptor chosen");

    // Advanced, once opened, stays open on the next visit.
    await session.click("#advanced summary");
    await page.reload();
    await page.waitForFunction(() => window.qxReady === true, {timeout: kWait});
    assertEqual(await page.$eval("#advanced", (e) => e.open), true, "Advanced after a reload");

    await session.click("#connect");
    await page.waitForFunction(() => document.getElementById("port").textContent === "Detected", {timeout: kWait});
    await fillRadio(session, record);
    await session.click("#read");
    await session.waitStatus("Read OK.");
    await expect({read: true, write: true, verify: true, current: "step-write", empty: false, fields: true}, "after the read");
  },

  // Load Default, Open and Read ask before they drop edits no file holds, as the window asks:
  // Cancel (also Enter and Esc) keeps them, No goes on, Yes saves first. Leaving asks too.
  async noWorkLost(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    const norway = defaults(session, "norway.dat", "eur-int-usa", "norway");
    const page = await session.open();
    await fillRadio(session, record);
    // A read to its end: its status, and the command's button back.
    const read = async () => {
      await page.$eval("#status", (e) => { e.textContent = ""; });
      await session.click("#read");
      await session.waitStatus("Read OK.");
      await page.waitForFunction(() => document.getElementById("read").textContent === "Read From Radio", {timeout: kWait});
    };
    await read();
    // What a read gave is on the radio: neither a new read nor leaving asks about it.
    const asked = [];
    page.on("dialog", async (dialog) => {
      asked.push(dialog.type());
      await dialog.accept();
    });
    await read();
    await page.reload();
    await page.waitForFunction(() => window.qxReady === true, {timeout: kWait});
    assertEqual(asked.join(), "", "questions on leaving a document just read");
    await fillRadio(session, record);  // the reload made a new fake radio
    await read();

    const question = "WARNING: Do you want to save?";
    const mmsi = () => session.text("#mmsi");
    const rows = [
      {command: "#load-default", answer: () => page.keyboard.press("Enter"), kept: true},
      {command: "#read", answer: () => page.keyboard.press("Escape"), kept: true},
      {command: "#open", answer: () => session.answer("cancel"), kept: true},
      {command: "#open", answer: () => session.answer("no"), file: norway, name: "norway.dat"},
      {command: "#load-default", answer: () => session.answer("yes"), saved: "norway.dat", titled: true, name: "QX720"},
      {command: "#read", answer: () => session.answer("no"), mmsi: "257012345"},
    ];
    for (const row of rows) {
      await typeMmsi(session, "235012345");
      const sent = await page.evaluate(() => window.qxFake.sentences);
      await session.click(row.command);
      assertEqual(await session.waitDialog(), row.titled ? "WARNING: File is modified. Do you want to save?" : question, `${row.command}: the question`);
      assertEqual(await page.evaluate(() => document.activeElement.value), "cancel", `${row.command}: the focused answer`);
      const chooser = row.file ? page.waitForFileChooser({timeout: kWait}) : null;
      await row.answer();
      if (row.kept) {
        await page.waitForFunction(() => !document.getElementById("question").open, {timeout: kWait});
        assertEqual(await mmsi(), "235012345", `${row.command}: the edit after Cancel`);
        assertEqual(await page.evaluate(() => window.qxFake.sentences), sent, `${row.command}: sentences after Cancel`);
        continue;
      }
      if (chooser) await (await chooser).accept([row.file]);
      if (row.saved) {
        const saved = await session.downloaded(row.saved);
        assertEqual(saved.toString("latin1", kMmsiOffset, kMmsiOffset + 9), "235012345", `${row.command}: the saved MMSI`);
      }
      if (row.mmsi) await page.waitForFunction(() => document.getElementById("read").textContent === "Read From Radio" &&
                                                       document.getElementById("status").textContent === "Read OK.", {timeout: kWait});
      if (row.name) {
        await page.waitForFunction((name) => document.getElementById("document-name").textContent.startsWith(name), {timeout: kWait}, row.name);
      }
      if (row.mmsi) assertEqual(await mmsi(), row.mmsi, `${row.command}: the MMSI read`);
    }
    // A read is a step: Undo gives back the edited document it replaced.
    await session.click("#undo");
    assertEqual(await mmsi(), "235012345", "the edit after undoing the read");

    await page.goto("about:blank", {timeout: kWait});
    assertEqual(asked.join(), "beforeunload", "the question on leaving an edit");
  },

  // While the radio works nothing changes the document; everything is back afterwards.
  async lockedDuringRun(session) {
    const page = await session.open({query: "?radio=virtual", fake: {granted: false}});
    await loadDefault(session, 1, "UK");
    await page.select("#band", "Private");
    await page.select("#channel-list", "0");
    await typeMmsi(session, "235012345");  // and Undo has a step
    await page.$eval("#advanced", (e) => { e.open = true; });
    const controls = ["#mmsi", "#atis", "#mmsi-by-user", "#atis-by-user", "#from-mmsi", "#model-usa", "#model-europe",
                      '#groups input[data-group="0"]', '#groups input[data-group="5"]', "#tx-step", "#rx-step", "#channel-edit",
                      "#channel-add", "#channel-remove", "#load-default", "#default-model", "#open", "#csv-import", "#undo", "#connect"];
    const enabled = () => page.evaluate((list) => list.filter((s) => !document.querySelector(s).disabled), controls);
    const typeAtis = async () => {
      if (await page.$eval("#atis-by-user", (e) => e.checked)) await session.click("#atis-by-user");
    };
    await typeAtis();
    assertEqual((await enabled()).join(" "), controls.join(" "), "enabled before a run");
    for (const command of ["#read", "#write"]) {
      await session.click(command);
      if (command === "#read") await session.answer("no");  // the typed MMSI is in no file
      await page.waitForFunction(() => document.getElementById("progress").value > 5, {timeout: kWait});
      assertEqual((await enabled()).join(" "), "", `enabled during ${command}`);
      // Nor by the keyboard: Enter on a channel, Ctrl+Z.
      await page.$eval("#channel-list", (e) => e.dispatchEvent(new KeyboardEvent("keydown", {key: "Enter", bubbles: true})));
      await page.evaluate(() => document.dispatchEvent(new KeyboardEvent("keydown", {key: "z", ctrlKey: true, bubbles: true})));
      assertEqual(await page.$eval("#channel-dialog", (e) => e.open), false, `${command}: the channel dialog`);
      await session.waitStatus(command === "#read" ? "Read OK." : "Write OK.");
      if (command === "#read") {
        await typeMmsi(session, "235012345");
        await typeAtis();
      }
      assertEqual((await enabled()).join(" "), controls.join(" "), `enabled after ${command}`);
    }
  },

  // Identities pasted with spaces or dashes are their digits; Enter in a field writes the radio,
  // and an Enter during the write does not stop it.
  async identityEntry(session) {
    const record = defaults(session, "held.dat", "usa", "none");
    const page = await session.open();
    await fillRadio(session, record);
    await typeMmsi(session, "");
    if (await page.$eval("#atis-by-user", (e) => e.checked)) await session.click("#atis-by-user");
    const rows = [
      {field: "#mmsi", pasted: "235 012 345", value: "235012345"},
      {field: "#mmsi", pasted: "257-012-345", value: "257012345", hint: "Norway"},
      {field: "#mmsi", pasted: " MMSI: 2350 1234 5 ", value: "235012345"},
      {field: "#mmsi", pasted: "2350123456789", value: "235012345"},
      {field: "#atis", pasted: "257 012 345", value: "257012345"},
    ];
    for (const row of rows) {
      await page.$eval(row.field, (e) => { e.focus(); e.select(); });
      // As a paste: one insertion of the whole text, under the field's own editing rules.
      await page.evaluate((text) => document.execCommand("insertText", false, text), row.pasted);
      assertEqual(await session.text(row.field), row.value, `"${row.pasted}" into ${row.field}`);
      if (row.hint) assertEqual(await session.text(`${row.field}-hint`), row.hint, `"${row.pasted}": the hint`);
    }
    await page.focus("#mmsi");
    await page.keyboard.press("Enter");
    await session.waitStatus("Writing...");
    await page.$eval("#mmsi", (e) => e.dispatchEvent(new KeyboardEvent("keydown", {key: "Enter", bubbles: true})));
    await session.waitStatus("Write OK.");
    assertEqual(await page.evaluate(() => window.qxFake.mmsi()), "235012345", "the MMSI written on Enter");
  },

  // The channel dialog takes the TX as typed, a decimal comma too; a CSV import's problems are
  // listed, the first twenty and how many more; every channel's line is shown whole.
  async channelRules(session) {
    const page = await session.open({query: "?radio=virtual", fake: {granted: false}});
    await loadDefault(session, 2, "None");
    await page.select("#band", "Private");
    await session.click("#channel-add");
    await page.waitForSelector("#channel-dialog[open]", {timeout: kWait});
    await page.$eval("#channel-tx", (e) => { e.value = "157,85"; e.dispatchEvent(new Event("input")); });
    assertEqual(await session.text("#channel-rx"), "157.85000", "the RX shown for a decimal comma");
    await session.click("#channel-ok");
    await page.waitForFunction(() => document.querySelectorAll("#channel-list option").length === 1, {timeout: kWait});
    assert((await session.text("#channel-list option")).includes("157.8500"), "the channel added with a decimal comma");

    const bad = join(session.scratch, "bad.csv");
    const rows = Array.from({length: 30}, (_, i) => `M${i % 10},nothing,here`);
    writeFileSync(bad, ["Name,Usage,TX MHz", ...rows].join("\r\n") + "\r\n", "latin1");
    await session.uploadTo("#csv-file", bad);
    const told = await session.waitDialog();
    const lines = told.split("\n");
    assert(told.startsWith("Import channels: Nothing was imported:"), `the message: ${told}`);
    assertEqual(lines.length, 1 + 20 + 1, `the message's lines: ${told}`);
    // At least one problem a row: ten or more beyond the twenty shown.
    const more = lines[lines.length - 1].match(/^\.\.\. and (\d+) more\.$/);
    assert(more && Number(more[1]) >= 10, `the last line: ${lines[lines.length - 1]}`);
    await session.answer("ok");
    assertEqual(await channelCount(session), 1, "private channels after the refused CSV");

    await loadDefault(session, 2, "All");
    for (const width of [1280, 375]) {
      await page.setViewport({width, height: 812});
      for (const band of await page.$$eval("#band option", (o) => o.map((e) => e.value))) {
        await page.select("#band", band);
        const clipped = await page.$$eval("#channel-list option", (o) => o.filter((e) => e.scrollWidth > e.clientWidth).map((e) => e.textContent));
        assertEqual(clipped.join(" | "), "", `${band} at ${width} px: lines cut`);
      }
    }
  },

  async noWebHid(session) {
    await session.open({fake: null});
    const notice = await session.text("#notice");
    assert(notice.includes("Chrome, Edge, Opera") && notice.includes("QX720Clone"), `notice: ${notice}`);
    assert(await session.page.$eval("#connect", (e) => e.disabled === false), "connect stays");
  },

  // A device Linux will not let the browser open: the udev rule, as the doctor explains it.
  async permission(session) {
    await session.open({fake: {granted: true, openFails: true}});
    const notice = await session.text("#notice");
    assert(notice.includes("70-qx720-clone.rules") && notice.includes("unplug and replug"), `notice: ${notice}`);
    assert(notice.includes('KERNEL=="hidraw*", ATTRS{idVendor}=="0483", ATTRS{idProduct}=="5750", TAG+="uaccess"'),
           `the rule's lines: ${notice}`);
    assertEqual(await session.text("#port"), "--------", "port");
  },
  // Every visible text and accessible name in the user's language, in each state of the page.
  languageDe: (session) => noEnglishLeft(session, "de"),
  languageNl: (session) => noEnglishLeft(session, "nl"),
  languageFr: (session) => noEnglishLeft(session, "fr"),

  // Where the browser does not promise to keep the page's storage, the page says so before any
  // write, and every backup also arrives as a download, byte for byte, as it is made.
  async backupStorage(session) {
    const record = defaults(session, "held.dat", "usa", "none");
    const rows = [
      {what: "kept", init: "navigator.storage.persisted = async () => false; navigator.storage.persist = async () => true;", kept: true},
      {what: "refused", init: "navigator.storage.persisted = async () => false; navigator.storage.persist = async () => false;", kept: false},
      {what: "no storage manager", init: 'Object.defineProperty(Navigator.prototype, "storage", {get: () => undefined, configurable: true});',
       kept: false},
    ];
    for (const [i, row] of rows.entries()) {
      const tab = i === 0 ? (await session.open({init: row.init}), session) : await session.openTab({init: row.init});
      await tab.page.bringToFront();
      const warning = await tab.page.$eval("#backup-storage", (e) => (e.hidden ? "" : e.textContent));
      assertEqual(warning.startsWith("This browser may delete the backups kept here"), !row.kept, `${row.what}: the warning before a write`);
      assertEqual(await tab.page.$eval("#write-storage", (e) => (e.hidden ? "" : e.textContent)),
                  row.kept ? "" : "Backups may not be kept in this browser: each one is also downloaded.", `${row.what}: the word beside Write`);
      await fillRadio(tab, record);
      await showDocument(tab);
      await press(tab.page, "#write");
      await tab.waitStatus("Write OK.");
      const [taken] = await backups(tab);
      assert(taken, `${row.what}: no backup`);
      if (row.kept) {
        assert(!existsSync(join(session.downloads, taken.name)), `${row.what}: the backup downloaded as well`);
      } else {
        assert(same([...(await session.downloaded(taken.name))], taken.bytes), `${row.what}: the downloaded backup's bytes`);
      }
    }
  },

  // A backup goes only on the user's Yes; "Download all" is one ZIP holding each backup as it is.
  async backupList(session) {
    const record = defaults(session, "held.dat", "usa", "none");
    await session.open();
    await fillRadio(session, record);
    await showDocument(session);
    for (const [i, whole] of [false, true].entries()) {
      if (await session.page.$eval("#backup-whole", (e) => e.checked) !== whole) await press(session.page, "#backup-whole");
      await press(session.page, "#write");
      // The status of the write before may still stand: the list tells this write's end.
      await session.page.waitForFunction((n) => document.querySelectorAll("#backup-list li .buttons").length === n,
                                         {timeout: kWait, polling: "mutation"}, i + 1);
      await session.waitStatus("Write OK.");
    }
    const kept = await backups(session);
    assertEqual(kept.map((b) => b.bytes.length).sort().join(), [kCloneEnd - kCloneFirst, 8192].sort().join(), "the backups' sizes");
    await session.page.waitForFunction(() => document.querySelectorAll("#backup-list li").length === 2, {timeout: kWait});

    await press(session.page, "#backup-download-all");
    const zipped = join(session.scratch, "all.zip");
    writeFileSync(zipped, await session.downloaded("qx720-backups.zip"));
    if (existsSync("/usr/bin/python3")) {
      // Python's own reader: the CRCs checked, each file's name and bytes.
      const listed = JSON.parse(execFileSync("/usr/bin/python3", ["-c",
        "import json, sys, zipfile\nz = zipfile.ZipFile(sys.argv[1])\nassert z.testzip() is None\n" +
        "print(json.dumps({i.filename: list(z.read(i)) for i in z.infolist()}))", zipped], {encoding: "utf8"}));
      assertEqual(Object.keys(listed).sort().join(), kept.map((b) => b.name).sort().join(), "the ZIP's files");
      for (const backup of kept) assert(same(listed[backup.name], backup.bytes), `${backup.name} in the ZIP`);
    } else {
      console.log("skipped the ZIP's reading: no python3");
    }

    const deleteButton = `.backups button[aria-label="Delete ${kept[0].name}"]`;
    for (const [how, answer] of [["Escape", () => session.page.keyboard.press("Escape")], ["No", () => session.answer("no")]]) {
      await press(session.page, deleteButton);
      assertEqual(await session.waitDialog(), `Delete backup: Delete the backup ${kept[0].name} from this browser? It cannot be brought back.`,
                  `${how}: the question`);
      assertEqual(await session.page.evaluate(() => document.activeElement.value), "no", `${how}: the focused answer`);
      await answer();
      await session.page.waitForFunction(() => !document.getElementById("question").open, {timeout: kWait});
      assertEqual((await backups(session)).length, 2, `${how}: backups`);
    }
    await press(session.page, deleteButton);
    await session.waitDialog();
    await session.answer("yes");
    await session.page.waitForFunction(() => document.querySelectorAll("#backup-list li").length === 1, {timeout: kWait});
    assertEqual((await backups(session)).map((b) => b.name).join(), kept[1].name, "the backup left");
  },

  // A browser that will not store a backup: the write is refused before anything goes to the
  // radio, and the page has said so from the start.
  async storageCheck(session) {
    const full = 'IDBObjectStore.prototype.put = IDBObjectStore.prototype.add = function () { throw new DOMException("the disk is full", "QuotaExceededError"); };';
    await session.open({init: full});
    await fillRadio(session, defaults(session, "held.dat", "usa", "none"));
    await showDocument(session);
    assert((await session.text("#backup-storage")).startsWith("This browser does not store backups here (the disk is full)"),
           `the warning: ${await session.text("#backup-storage")}`);
    await press(session.page, "#write");
    assertEqual(await session.waitDialog(), "Write Error: No backup of the radio could be made, so nothing was written to it.\nthe disk is full",
                "the refusal");
    assertEqual(await session.page.evaluate(() => window.qxFake.sentences), 0, "sentences sent to the radio");
    await session.answer("ok");
    await session.waitStatus("Write Error.");
  },

  // A reload part way through a write: the page says so when it is back, Write again explains
  // why it cannot, and the backup taken before the write puts the radio back.
  async interruptedWrite(session) {
    const record = defaults(session, "held.dat", "eur-int", "uk", "257012345");
    await session.open();
    const before = await fillRadio(session, record);
    await press(session.page, "#read");
    await session.waitStatus("Read OK.");
    await press(session.page, "#write");
    await session.waitStatus("Writing...");
    await session.page.waitForFunction(() => document.getElementById("progress").value > 5, {timeout: kWait});
    const partly = await radioEeprom(session);
    session.page.once("dialog", (dialog) => dialog.accept());  // the browser's question on leaving
    await session.page.reload();
    await session.page.waitForFunction(() => window.qxReady === true, {timeout: kWait});
    await session.page.evaluate((bytes) => window.qxFake.setEeprom(new Uint8Array(bytes)), partly);  // the radio as the write left it
    const [taken] = await backups(session);
    assert(same(taken.bytes, before.slice(kCloneFirst, kCloneEnd)), "the backup taken before the write");
    assert(await session.page.$eval("#interrupted", (e) => !e.hidden), "the notice after the reload");
    const notice = await session.text("#interrupted-text");
    assert(notice.includes("did not finish") && notice.includes("half written") && notice.includes(taken.name), `notice: ${notice}`);

    await press(session.page, "#interrupted-write");
    assert((await session.waitDialog()).startsWith("Write again: The document that was being written"), "Write again, no document");
    await session.answer("ok");
    await press(session.page, "#interrupted-restore");
    assert((await session.waitDialog()).startsWith(`Restore: Write ${taken.name} back into the radio?`), "the restore's question");
    await session.answer("yes");
    await session.page.waitForFunction(() => document.getElementById("status").textContent === "Restore OK." ||
                                              document.getElementById("question").open, {timeout: kWait, polling: "mutation"});
    if (await session.page.$("#question[open]")) await session.answer("yes");  // an identity the half write changed
    await session.waitStatus("Restore OK.");
    assert(same(await radioEeprom(session), before), "the radio after the restore");
    assert(await session.page.$eval("#interrupted", (e) => e.hidden), "the notice after the restore");
    await session.page.reload();
    await session.page.waitForFunction(() => window.qxReady === true, {timeout: kWait});
    assert(await session.page.$eval("#interrupted", (e) => e.hidden), "the notice after another reload");
  },
};

const name = rest[0];
if (!cases[name]) {
  console.error(`unknown case "${name}"; known: ${Object.keys(cases).join(", ")}`);
  process.exit(2);
}
const session = new Session(options);
try {
  await cases[name](session);
  if (session.errors.length > 0) throw new Error(`errors in the page: ${session.errors.join("; ")}`);
  console.log(`ok ${name}`);
} catch (error) {
  console.error(`FAILED ${name}: ${error.message}`);
  process.exitCode = 1;
} finally {
  await session.close();
}
