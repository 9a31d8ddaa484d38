// Makes the one self-contained page: the template with its styles, the module's script, the
// WebAssembly (base64, handed to the module so that it never fetches anything) and the page's
// scripts inlined. Usage: node bundle.mjs SOURCE_DIR MODULE.js MODULE.wasm OUT.html VERSION
import {readFileSync, writeFileSync, renameSync} from "node:fs";
import {join} from "node:path";

const [source, moduleJs, moduleWasm, out, version] = process.argv.slice(2);
const read = (name) => readFileSync(join(source, name), "utf8");
// Inlined scripts must not end the script element early.
const safe = (text) => text.replace(/<\/script/gi, "<\\/script");

const parts = {
  "/*STYLE*/": read("page.css"),
  "/*MODULE*/": safe(readFileSync(moduleJs, "utf8")),
  "/*WASM*/": readFileSync(moduleWasm).toString("base64"),
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
