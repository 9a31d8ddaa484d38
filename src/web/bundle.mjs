// Makes the one self-contained page: the template with its styles, the module's script, the
// WebAssembly (gzipped and base64, handed to the module so that it never fetches anything), the window's
// translation catalogs as tables of source text and translation, and the page's scripts
// inlined. Usage: node bundle.mjs SOURCE_DIR MODULE.js MODULE.wasm OUT.html VERSION
import {readFileSync, readdirSync, writeFileSync, renameSync} from "node:fs";
import {join} from "node:path";
import {gzipSync} from "node:zlib";

const [source, moduleJs, moduleWasm, out, version] = process.argv.slice(2);
const read = (name) => readFileSync(join(source, name), "utf8");
// Inlined scripts must not end the script element early.
const safe = (text) => text.replace(/<\/script/gi, "<\\/script");

const entities = {amp: "&", lt: "<", gt: ">", quot: '"', apos: "'"};
const unescape = (text) => text.replace(/&(#x[0-9a-f]+|#[0-9]+|[a-z]+);/gi, (whole, name) =>
  name[0] === "#" ? String.fromCodePoint(Number(name[1] === "x" || name[1] === "X" ? `0${name.slice(1)}` : name.slice(1)))
                  : entities[name] ?? whole);

// Every finished entry of every catalog, whatever its context: the page looks texts up by their
// English alone. The first translation of a text wins.
function catalogs() {
  const folder = join(source, "../../translations");
  const tables = {};
  for (const file of readdirSync(folder).filter((name) => /^qx720_[a-z]+\.ts$/.test(name)).sort()) {
    const xml = readFileSync(join(folder, file), "utf8");
    const language = xml.match(/<TS[^>]*language="([^"]+)"/)[1];
    const table = tables[language] = {};
    for (const [, body] of xml.matchAll(/<message>([\s\S]*?)<\/message>/g)) {
      const from = body.match(/<source>([\s\S]*?)<\/source>/);
      const to = body.match(/<translation>([\s\S]*?)<\/translation>/);  // unfinished ones carry a type
      if (!from || !to) continue;
      const text = unescape(from[1]);
      if (!(text in table)) table[text] = unescape(to[1]);
    }
    // Menu items and buttons carry an access key ("&Verify"); the page's have none.
    for (const [text, translation] of Object.entries(table)) {
      const bare = text.replace(/&(?!&)/, "");
      if (bare !== text && !(bare in table)) table[bare] = translation.replace(/\(&.\)|&(?!&)/, "");
    }
  }
  return tables;
}

// The udev rule's lines as the package installs them, for the page to show on Linux.
const udevRule = readFileSync(join(source, "../../packaging/70-qx720-clone.rules"), "utf8")
                     .split("\n").filter((line) => line.trim() && !line.startsWith("#")).join("\n");

const parts = {
  "/*CATALOGS*/": safe(JSON.stringify(catalogs())),
  "/*UDEV_RULE*/": safe(JSON.stringify(udevRule)),
  "/*STYLE*/": read("page.css"),
  "/*MODULE*/": safe(readFileSync(moduleJs, "utf8")),
  // Gzipped: the page unpacks it with the browser's DecompressionStream.
  "/*WASM*/": gzipSync(readFileSync(moduleWasm), {level: 9}).toString("base64"),
  "/*PAGE*/": safe(read("backup_store.js") + "\n" + read("page.js")),
  "@VERSION@": version,
};
let html = read("page.html");
for (const [mark, text] of Object.entries(parts)) {
  if (!html.includes(mark)) throw new Error(`page.html lacks ${mark}`);
  html = html.split(mark).join(text);
}
writeFileSync(out + ".tmp", html);
renameSync(out + ".tmp", out);
