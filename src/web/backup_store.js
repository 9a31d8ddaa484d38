// The radio's backups in the browser's own storage (IndexedDB): one record per backup, its
// name as the desktop program names backup files and its 8192 bytes as they are.
const qxBackups = (() => {
  const dbName = "qx720-clone";
  const storeName = "backups";

  function open() {
    return new Promise((resolve, reject) => {
      const request = indexedDB.open(dbName, 1);
      request.onupgradeneeded = () => request.result.createObjectStore(storeName, {keyPath: "name"});
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => reject(request.error);
    });
  }

  async function run(mode, work) {
    const db = await open();
    try {
      return await new Promise((resolve, reject) => {
        const transaction = db.transaction(storeName, mode);
        const result = work(transaction.objectStore(storeName));
        transaction.oncomplete = () => resolve(result.result);
        transaction.onerror = () => reject(transaction.error);
        transaction.onabort = () => reject(transaction.error || new Error("the browser refused to store it"));
      });
    } finally {
      db.close();
    }
  }

  const two = (n) => String(n).padStart(2, "0");
  // qx720-backup-YYYYMMDD-HHMMSS.bin in local time; a second backup in the same second gets
  // "-2", as the desktop program's do.
  function nameFor(date, taken) {
    const stem = `qx720-backup-${date.getFullYear()}${two(date.getMonth() + 1)}${two(date.getDate())}-` +
                 `${two(date.getHours())}${two(date.getMinutes())}${two(date.getSeconds())}`;
    let name = `${stem}.bin`;
    for (let n = 2; taken.has(name); ++n) name = `${stem}-${n}.bin`;
    return name;
  }

  // A ZIP of the files as they are (stored, not compressed): what a double click opens on
  // Windows and macOS, written here so that the page needs no library.
  const crcTable = Array.from({length: 256}, (_, n) => {
    let c = n;
    for (let k = 0; k < 8; ++k) c = c & 1 ? 0xedb88320 ^ (c >>> 1) : c >>> 1;
    return c >>> 0;
  });
  function crc32(bytes) {
    let c = 0xffffffff;
    for (const byte of bytes) c = crcTable[(c ^ byte) & 0xff] ^ (c >>> 8);
    return (c ^ 0xffffffff) >>> 0;
  }
  function zip(files) {
    const encoder = new TextEncoder();
    const locals = [], centrals = [];
    let offset = 0;
    for (const file of files) {
      const name = encoder.encode(file.name), data = file.bytes, crc = crc32(data);
      const date = new Date(file.time);
      const dosTime = (date.getHours() << 11) | (date.getMinutes() << 5) | (date.getSeconds() >> 1);
      const dosDate = ((Math.max(date.getFullYear(), 1980) - 1980) << 9) | ((date.getMonth() + 1) << 5) | date.getDate();
      // version 2.0, flags (bit 11: the name is UTF-8), stored, time, date, CRC, sizes, name length
      const common = [[20, 2], [0x0800, 2], [0, 2], [dosTime, 2], [dosDate, 2], [crc, 4], [data.length, 4], [data.length, 4],
                      [name.length, 2]];
      const local = record(0x04034b50, [...common, [0, 2]], name);
      centrals.push(record(0x02014b50, [[20, 2], ...common, [0, 2], [0, 2], [0, 2], [0, 2], [0, 4], [offset, 4]], name));
      locals.push(local, data);
      offset += local.length + data.length;
    }
    const size = centrals.reduce((sum, part) => sum + part.length, 0);
    const end = record(0x06054b50, [[0, 2], [0, 2], [files.length, 2], [files.length, 2], [size, 4], [offset, 4], [0, 2]],
                       new Uint8Array(0));
    return new Blob([...locals, ...centrals, end], {type: "application/zip"});
  }
  function record(signature, fields, tail) {
    const head = new DataView(new ArrayBuffer(4 + fields.reduce((sum, [, width]) => sum + width, 0)));
    head.setUint32(0, signature, true);
    let at = 4;
    for (const [value, width] of fields) {
      if (width === 2) head.setUint16(at, value, true); else head.setUint32(at, value, true);
      at += width;
    }
    const out = new Uint8Array(head.byteLength + tail.length);
    out.set(new Uint8Array(head.buffer), 0);
    out.set(tail, head.byteLength);
    return out;
  }

  // A record the size of the largest backup, stored and taken away again: whether a backup
  // would be kept, known before the radio is read for it.
  const probeName = "\u0000probe";

  return {
    nameFor,
    zip,
    crc32,
    // Whether the browser keeps this storage until the user clears it: asked for once, never
    // thrown (no storage manager, or one that refuses, is "not kept").
    async persist() {
      try {
        if (!navigator.storage || !navigator.storage.persist) return false;
        if (await navigator.storage.persisted()) return true;
        return await navigator.storage.persist();
      } catch (error) {
        return false;
      }
    },
    // Throws the browser's reason when a backup cannot be stored now.
    async check() {
      await run("readwrite", (store) => store.put({name: probeName, time: 0, mmsi: "", bytes: new Uint8Array(8192)}));
      await run("readwrite", (store) => store.delete(probeName));
    },
    // Resolves with the name once the bytes are stored for good: a write starts only then.
    async add(bytes, mmsi, date = new Date()) {
      const taken = new Set((await this.list()).map((b) => b.name));
      const record = {name: nameFor(date, taken), time: date.getTime(), mmsi, bytes: new Uint8Array(bytes)};
      await run("readwrite", (store) => store.add(record));
      return record.name;
    },
    async list() {
      const all = (await run("readonly", (store) => store.getAll())).filter((b) => b.name !== probeName);
      return all.sort((a, b) => b.time - a.time || (a.name < b.name ? 1 : -1));
    },
    async get(name) { return run("readonly", (store) => store.get(name)); },
    async remove(name) { return run("readwrite", (store) => store.delete(name)); },
  };
})();
