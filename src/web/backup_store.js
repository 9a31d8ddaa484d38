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

  return {
    nameFor,
    // Resolves with the name once the bytes are stored for good: a write starts only then.
    async add(bytes, mmsi, date = new Date()) {
      const taken = new Set((await this.list()).map((b) => b.name));
      const record = {name: nameFor(date, taken), time: date.getTime(), mmsi, bytes: new Uint8Array(bytes)};
      await run("readwrite", (store) => store.add(record));
      return record.name;
    },
    async list() {
      const all = await run("readonly", (store) => store.getAll());
      return all.sort((a, b) => b.time - a.time || (a.name < b.name ? 1 : -1));
    },
    async get(name) { return run("readonly", (store) => store.get(name)); },
    async remove(name) { return run("readwrite", (store) => store.delete(name)); },
  };
})();
