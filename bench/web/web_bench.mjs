// The page's figures, printed (not a test): a Read through the fake WebHID adaptor against the
// protocol's floor, the file's size, and the time from opening the file to a usable page.
// Usage: node bench/web/web_bench.mjs [BUILD_DIR (default build/web)] [REPETITIONS (default 5)]
// The tests' set-up (scripts/setup.sh) installs what it needs.
import {statSync} from "node:fs";
import {join, resolve} from "node:path";
import {Session} from "../../tests/web/harness.mjs";

const build = resolve(process.argv[2] || "build/web");
const repetitions = Number(process.argv[3] || 5);
const options = {
  page: join(build, "qx720-clone.html"),
  "fake-js": join(build, "tests/web/qx720-fake-radio.js"),
  "fake-wasm": join(build, "tests/web/qx720-fake-radio.wasm"),
};

// Each sentence waits 20 ms for its reply before the reply is read: 2 HandShakes and 77
// blocks make a Read's floor, whatever the radio and the link.
const kReadSentences = 79;
const kPauseMs = 20;
const floorMs = kReadSentences * kPauseMs;

const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];

// Clicks a command and waits in the page for the status it ends with: no round trip to Node
// inside the measured span.
function timeCommand(page, button, status) {
  return page.evaluate((button, status) => new Promise((done, fail) => {
    const output = document.getElementById("status");
    const started = performance.now();
    const timer = setTimeout(() => fail(new Error(`no "${status}"`)), 60000);
    new MutationObserver((changes, observer) => {
      if (output.textContent !== status) return;
      observer.disconnect();
      clearTimeout(timer);
      done(performance.now() - started);
    }).observe(output, {childList: true, characterData: true, subtree: true});
    document.getElementById(button).click();
  }), button, status);
}

const size = statSync(options.page).size;
const wasm = statSync(join(build, "src/web/qx720-clone-module.wasm")).size;
console.log(`file         qx720-clone.html ${(size / 1e6).toFixed(3)} MB (${size} bytes; WebAssembly ${wasm} bytes, gzipped and in base64 in the page)`);

const ready = [];
for (let i = 0; i < repetitions; ++i) {
  const session = new Session(options);
  try {
    const page = await session.open({fake: {granted: true}});
    ready.push(await page.evaluate(() => window.qxReadyMs));
  } finally {
    await session.close();
  }
}
console.log(`usable page  ${median(ready).toFixed(0)} ms from opening the file (median of ${repetitions}; min ${Math.min(...ready).toFixed(0)}, max ${Math.max(...ready).toFixed(0)})`);

for (const delay of [1, 5, 15]) {
  const session = new Session(options);
  try {
    const page = await session.open({fake: {granted: true, replyDelayMs: delay}});
    const times = [];
    const busy = (await page.metrics()).TaskDuration;
    for (let i = 0; i < repetitions; ++i) times.push(await timeCommand(page, "read", "Read OK."));
    // The page's main thread busy during the reads: the waits must sleep, not spin.
    const cpu = ((await page.metrics()).TaskDuration - busy) * 1000 / times.reduce((a, b) => a + b, 0);
    const m = median(times);
    console.log(`read         ${m.toFixed(0)} ms through the fake adaptor (replies after ${delay} ms), floor ${floorMs} ms, ` +
                `ratio ${(m / floorMs).toFixed(3)} (median of ${repetitions}; min ${Math.min(...times).toFixed(0)}), ` +
                `main thread busy ${(100 * cpu).toFixed(1)} %`);
  } finally {
    await session.close();
  }
}

// A read while another tab is in front: browsers slow the timers of hidden pages down.
{
  const session = new Session(options);
  try {
    const page = await session.open({fake: {granted: true}});
    const front = await session.browser.newPage();
    await front.bringToFront();
    const hidden = await page.evaluate(() => document.visibilityState);
    const time = await timeCommand(page, "read", "Read OK.");
    console.log(`read         ${time.toFixed(0)} ms through the fake adaptor in a ${hidden} tab, ratio ${(time / floorMs).toFixed(3)}`);
  } finally {
    await session.close();
  }
}

{
  const session = new Session(options);
  try {
    const page = await session.open({query: "?radio=virtual", fake: {granted: false}});
    const times = [];
    for (let i = 0; i < repetitions; ++i) times.push(await timeCommand(page, "read", "Read OK."));
    console.log(`read         ${median(times).toFixed(0)} ms against the virtual radio in the module, floor ${floorMs} ms, ratio ${(median(times) / floorMs).toFixed(3)}`);
  } finally {
    await session.close();
  }
}
