// Renders docs/page-first-*.png, the first screen in English and German on a desktop and a
// phone, and docs/web-page.png: the page in headless Chromium against its virtual radio, after a
// write (with its backup) and a verify. Usage: node scripts/web-screenshot.mjs [BUILD_DIR] [OUT_DIR]
import {join, resolve} from "node:path";
import {Session} from "../tests/web/harness.mjs";

const build = resolve(process.argv[2] || "build/web");
const out = resolve(process.argv[3] || "docs");
const session = new Session({
  page: join(build, "qx720-clone.html"),
  "fake-js": join(build, "tests/web/qx720-fake-radio.js"),
  "fake-wasm": join(build, "tests/web/qx720-fake-radio.wasm"),
});
// The first screen as a first-time user sees it: an adaptor in reach but not yet chosen.
async function firstScreens() {
  for (const lang of ["en", "de"]) {
    const tab = lang === "en" ? await session.open({fake: {granted: false}}) : (await session.openTab({query: `?lang=${lang}`, fake: {granted: false}})).page;
    for (const [width, height] of [[1280, 800], [375, 812]]) {
      await tab.setViewport({width, height});
      await tab.screenshot({path: join(out, `page-first-${lang}-${width}.png`)});
    }
    if (lang !== "en") await tab.close();
  }
}

try {
  await firstScreens();
  const page = await session.page.browser().newPage().then(async (fresh) => {
    await session.page.close();
    session.page = await session.load(fresh, {query: "?radio=virtual", fake: {granted: false}, init: ""});
    return session.page;
  });
  await page.select("#default-model", "1");
  await page.evaluate(() => {
    const select = document.getElementById("default-set");
    select.value = [...select.options].find((o) => o.textContent === "UK").value;
  });
  await session.click("#load-default");
  await session.click("#mmsi-by-user");
  await page.type("#mmsi", "235012345");
  await session.click("#atis-by-user");
  await session.click("#from-mmsi");
  await page.select("#band", "Private");
  await session.click("#write");
  await session.waitStatus("Write OK.");
  await session.click("#verify");
  await session.waitStatus("Verify OK.");
  await page.evaluate(() => document.activeElement.blur());
  await page.screenshot({path: join(out, "web-page.png"), fullPage: true});
  await page.setViewport({width: 390, height: 844});
  await page.screenshot({path: join(out, "web-page-phone.png"), fullPage: false});
} finally {
  await session.close();
}
