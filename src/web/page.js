// The page: its controls, the clone commands on the module's bridge, the backups, files and
// downloads. The rules of the radio live in the module; this script only shows and asks.
(async () => {
  const $ = (id) => document.getElementById(id);
  const params = new URLSearchParams(location.search);
  const selftest = params.has("selftest");
  const adaptorId = {vendorId: 0x0483, productId: 0x5750};
  const udevRule = window.qxUdevRule;  // the package's rule, put in by the build
  delete window.qxUdevRule;

  // The window's catalogs: the page speaks the first of the browser's languages that one of
  // them has (?lang=xx chooses), else English. Texts no catalog has stay English.
  const catalogs = window.qxCatalogs || {};
  delete window.qxCatalogs;
  const wanted = [params.get("lang"), ...(navigator.languages || [navigator.language])].filter(Boolean);
  const language = wanted.map((tag) => tag.toLowerCase().split("-")[0]).find((code) => code === "en" || catalogs[code]) || "en";
  const catalog = catalogs[language] || {};
  const tr = (text) => catalog[text] ?? text;
  document.documentElement.lang = language;
  function translatePage() {
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const text = node.nodeValue.trim();
      if (text && catalog[text]) node.nodeValue = node.nodeValue.replace(text, catalog[text]);
    }
    for (const element of document.querySelectorAll("[aria-label]")) element.setAttribute("aria-label", tr(element.getAttribute("aria-label")));
  }
  if (language !== "en") translatePage();

  const bytesOf = (base64) => Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  let progressMax = 100;
  const qx = await createQx720({
    wasmBinary: bytesOf(window.qxWasmBase64),
    onProgress(position, maximum) {
      progressMax = Math.max(maximum, 1);
      $("progress").max = progressMax;
      $("progress").value = Math.min(Math.max(position, 0), progressMax);
    },
    onStage() {},
    // The gate's backup: stored for good before the first block of a change is sent.
    keepBackup: (bytes, mmsi) => qxBackups.add(bytes, mmsi),
  });
  delete window.qxWasmBase64;

  // --- the bridge ----------------------------------------------------------------------------
  const json = (text) => JSON.parse(text);
  // Quick calls go straight to the module's exports: ccall, while a radio call is suspended,
  // would take over that call's promise. Strings are copied in and freed after.
  function direct(name, types, args) {
    const copies = [];
    const values = args.map((value, i) => {
      if (types[i] !== "string") return value;
      const size = value.length * 4 + 1;
      const pointer = qx._malloc(size);
      qx.stringToUTF8(value, pointer, size);
      copies.push(pointer);
      return pointer;
    });
    try { return qx[`_${name}`](...values); } finally { copies.forEach((pointer) => qx._free(pointer)); }
  }
  const call = (name, types = [], args = []) => qx.UTF8ToString(direct(name, types, args));
  const callNumber = (name, types = [], args = []) => direct(name, types, args);
  // Radio calls, which Asyncify suspends while WebHID answers: one at a time, in order.
  let radioQueue = Promise.resolve();
  const awaitCall = (name, types = [], args = []) => {
    const run = radioQueue.then(() => qx.ccall(name, "string", types, args, {async: true}));
    radioQueue = run.catch(() => {});
    return run.then(json);
  };
  const withBytes = (bytes, work) => {
    const pointer = qx._malloc(Math.max(bytes.length, 1));
    qx.HEAPU8.set(bytes, pointer);
    try { return work(pointer, bytes.length); } finally { qx._free(pointer); }
  };
  const takeBytes = (pointerFn, lengthFn) => {
    const pointer = callNumber(pointerFn), length = callNumber(lengthFn);
    return qx.HEAPU8.slice(pointer, pointer + length);
  };
  const describe = (code) => tr(call("qx_describe", ["number"], [code]));

  // --- messages --------------------------------------------------------------------------------
  // A modal message. `safe` is the answer of the button focused first, of Enter on it, of Esc
  // and of closing the dialog.
  function ask(caption, text, buttons, safe) {
    return new Promise((resolve) => {
      const dialog = $("question");
      $("question-caption").textContent = tr(caption);
      $("question-text").textContent = text.split("\n\n").map(tr).join("\n\n");
      const row = $("question-buttons");
      row.replaceChildren();
      for (const [label, value] of buttons) {
        const button = document.createElement("button");
        button.textContent = tr(label);
        button.value = value;
        row.append(button);
      }
      dialog.oncancel = () => { dialog.returnValue = safe; };
      dialog.onclose = () => resolve(dialog.returnValue || safe);
      dialog.returnValue = safe;
      dialog.showModal();
      row.querySelector(`button[value="${safe}"]`).focus();
    });
  }
  const box = (caption, text) => (selftest ? Promise.resolve() : ask(caption, text, [["OK", "ok"]], "ok"));
  // Every question whose Yes writes a radio or replaces an identity: a reflex (Enter, Esc,
  // closing) answers No, so another boat's MMSI is never written by accident.
  const question = async (caption, text) => (await ask(caption, text, [["Yes", "yes"], ["No", "no"]], "no")) === "yes";
  // A translated text with its %1, %2... filled in.
  const trArgs = (text, ...values) => values.reduce((out, value, i) => out.replace(`%${i + 1}`, () => value), tr(text));

  function notice(text) {
    $("notice").hidden = !text;
    $("notice").textContent = text || "";
  }
  let statusTimer = 0;
  function setStatus(text, countdown) {
    $("status").textContent = tr(text);
    clearTimeout(statusTimer);
    if (countdown) statusTimer = setTimeout(() => { $("status").textContent = tr("Ready."); }, 10000);
  }

  function download(name, data, type) {
    const url = URL.createObjectURL(new Blob([data], {type}));
    const link = document.createElement("a");
    link.href = url;
    link.download = name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  // --- the document ----------------------------------------------------------------------------
  const identityFields = {mmsi: $("mmsi"), atis: $("atis")};
  let doc = null;

  function showHint(which) {
    const hint = json(call("qx_identity_hint", ["number", "string"], [which === "atis" ? 1 : 0, identityFields[which].value]));
    const element = $(`${which}-hint`);
    element.textContent = hint.refusal ? tr("The radio refuses this number: %1.").replace("%1", tr(hint.refusal)) : hint.text;
    element.title = hint.detail || "";
    element.className = "hint" + (hint.refused ? " refused" : hint.warning ? " warning" : "");
  }

  // keepTyped: the identity fields keep what is typed in them (an edit of a control); without
  // it they show the document (a file, a read, undo).
  function render(keepTyped) {
    doc = json(call("qx_document"));
    for (const which of ["mmsi", "atis"]) {
      const field = identityFields[which];
      if (!keepTyped) field.value = doc[which];
      field.disabled = doc[`${which}ByUser`];
      $(`${which}-by-user`).checked = doc[`${which}ByUser`];
      showHint(which);
    }
    $("model-usa").checked = doc.usaModel;
    $("model-europe").checked = !doc.usaModel;
    const names = ["INT", "USA", "CAN", "INT_Narrow", "USA_Narrow", "CAN_Narrow"];
    for (const box of document.querySelectorAll("#groups input[data-group]")) box.checked = doc.groups[names[box.dataset.group]];
    $("group-wx").checked = doc.groups.WX;
    $("group-private").checked = doc.groups.Private;
    $("tx-step").value = doc.txStep;
    $("rx-step").value = doc.rxStep;
    const band = $("band"), kept = band.value;
    band.replaceChildren(...doc.bands.map((b) => new Option(b.name, b.name)));
    if (doc.bands.some((b) => b.name === kept)) band.value = kept;
    renderChannels();
    $("undo").disabled = !doc.canUndo || busy;
    $("redo").disabled = !doc.canRedo || busy;
    const name = doc.name || doc.modelName;
    $("document-name").textContent = `${name}${doc.modified ? " *" : ""}  (checksum 0x${doc.checksum.toString(16).toUpperCase().padStart(8, "0")})`;
    if (!selftest) document.title = `${name}${doc.modified ? "*" : ""} - QX720 Clone`;
  }

  function renderChannels() {
    const band = doc.bands.find((b) => b.name === $("band").value);
    $("channel-list").replaceChildren(...(band ? band.lines : []).map((line, i) => new Option(line, String(i))));
  }

  function pushControls() {
    let groups = 0;
    for (const box of document.querySelectorAll("#groups input[data-group]")) if (box.checked) groups |= 1 << Number(box.dataset.group);
    call("qx_set_controls", ["number", "number", "number", "number", "number", "number", "string", "string"],
         [$("model-usa").checked ? 1 : 0, groups, Number($("tx-step").value), Number($("rx-step").value),
          $("mmsi-by-user").checked ? 1 : 0, $("atis-by-user").checked ? 1 : 0, identityFields.mmsi.value, identityFields.atis.value]);
    render(true);
  }

  for (const which of ["mmsi", "atis"]) {
    identityFields[which].addEventListener("input", () => {
      identityFields[which].value = identityFields[which].value.replace(/\D/g, "");
      pushControls();
    });
    $(`${which}-by-user`).addEventListener("change", () => pushControls());
  }
  for (const id of ["model-usa", "model-europe", "tx-step", "rx-step"]) $(id).addEventListener("change", () => pushControls());
  for (const box of document.querySelectorAll("#groups input[data-group]")) box.addEventListener("change", () => pushControls());
  $("band").addEventListener("change", renderChannels);
  $("from-mmsi").addEventListener("click", () => {
    const atis = call("qx_atis_from_mmsi", ["string"], [identityFields.mmsi.value]);
    if (!atis) return;
    identityFields.atis.value = atis;
    pushControls();
  });
  $("undo").addEventListener("click", () => { callNumber("qx_undo"); render(); });
  $("redo").addEventListener("click", () => { callNumber("qx_redo"); render(); });
  document.addEventListener("keydown", (event) => {
    if (!(event.ctrlKey || event.metaKey) || busy || event.target.tagName === "INPUT") return;
    const key = event.key.toLowerCase();
    if (key === "z" || key === "y") {
      event.preventDefault();
      callNumber(key === "z" && !event.shiftKey ? "qx_undo" : "qx_redo");
      render();
    }
  });

  // Save as: the clone file goes to the browser's downloads.
  async function saveAs() {
    if (!(await identitiesMayGo())) return;
    // Saved only by the rule files are opened by: a file that never opens again is no save.
    const problem = call("qx_save_problem");
    if (problem) {
      setStatus("Save as file error.", true);
      return box("Error", trArgs("This document cannot be saved as a clone file: %1, and such a file would not open again. Edit or remove that channel first.", problem));
    }
    const name = doc.name || (doc.mmsi ? `${doc.mmsi}.dat` : "radio.dat");
    if (callNumber("qx_save_dat", ["string"], [name]) !== 0) return setStatus("Save as file error.", true);
    download(name, takeBytes("qx_file_bytes", "qx_file_length"), "application/octet-stream");
    setStatus("Save as file OK.", true);
    render(true);
  }
  // The window's offer before another document takes the place of a changed one from a file;
  // an untitled document (defaults, a read) is never offered.
  async function offerSave(text) {
    if (!doc.untitled && doc.modified && (await question("WARNING", text))) await saveAs();
  }
  $("load-default").addEventListener("click", async () => {
    if (busy) return;
    await offerSave("File is modified. Do you want to save?");
    call("qx_load_default", ["number", "number"], [Number($("default-model").value), Number($("default-set").value)]);
    render();
  });
  $("open").addEventListener("click", async () => {
    if (busy) return;
    await offerSave("Do you want to save?");
    $("open-file").click();
  });
  $("open-file").addEventListener("change", async () => {
    const file = $("open-file").files[0];
    $("open-file").value = "";
    if (!file) return;
    const bytes = new Uint8Array(await file.arrayBuffer());
    const code = withBytes(bytes, (p, n) => callNumber("qx_open_dat", ["number", "number", "string"], [p, n, file.name]));
    if (code !== 0) {
      setStatus(describe(code), true);
      return box("Error", describe(code));
    }
    render();
    setStatus("Open file OK.", true);
  });
  // The window's check of the typed identities before Save and Write: a number the radio would
  // refuse stays in its field until it is mended. A number under a ticked "entry by user" box is
  // never sent (the radio asks its user instead), so it is not checked.
  async function identitiesMayGo() {
    const check = json(call("qx_identity_check", ["number", "number", "string", "string"],
                            [$("mmsi-by-user").checked ? 1 : 0, $("atis-by-user").checked ? 1 : 0, identityFields.mmsi.value, identityFields.atis.value]));
    if (check.text) await box("Error", tr(check.text).replace("%1", check.value));
    return !check.text;
  }
  $("save").addEventListener("click", saveAs);
  $("freq-table").addEventListener("click", () => download("FreqTable.txt", call("qx_freq_table").replace(/\r?\n/g, "\r\n"), "text/plain"));
  $("csv-export").addEventListener("click", () => download("channels.csv", call("qx_csv_export"), "text/csv"));
  $("csv-import").addEventListener("click", () => { if (!busy) $("csv-file").click(); });
  $("csv-file").addEventListener("change", async () => {
    const file = $("csv-file").files[0];
    $("csv-file").value = "";
    if (!file) return;
    const outcome = json(call("qx_csv_import", ["string"], [await file.text()]));
    if (!outcome.ok) return box("Import channels", `Nothing was imported:\n${outcome.problems.join("\n")}`);
    render(true);
    setStatus(`Imported the private channels of ${file.name}.`, true);
  });

  // --- printing --------------------------------------------------------------------------------
  // The core lays the sheet and the card out in millimetres; the page only draws that and hands
  // it to the browser's print (and its Save as PDF).
  function drawItem(item) {
    const element = document.createElement("div");
    const place = (x, y, width, height) => Object.assign(element.style, {left: `${x}mm`, top: `${y}mm`, width: `${width}mm`, height: `${height}mm`});
    if (item.kind === "rule") {
      // Cairo strokes a line centred on its path: so does this bar.
      const length = Math.hypot(item.width, item.height);
      place(item.x, item.y - item.lineMm / 2, length, item.lineMm);
      element.className = "rule";
      element.style.transform = `rotate(${Math.atan2(item.height, item.width)}rad)`;
      return element;
    }
    place(item.x, item.y, item.width, item.height);
    const style = item.style;
    element.className = `${style.monospace ? "mono" : "sans"}${item.shaded ? " shaded" : ""}`;
    Object.assign(element.style, {fontSize: `${style.sizePt}pt`, fontWeight: style.bold ? "bold" : "normal", textAlign: style.align,
                                  lineHeight: `${item.height}mm`});
    if (item.kind === "cell") {
      const line = item.border ? item.lineMm : 0;
      Object.assign(element.style, {border: item.border ? `${line}mm solid #000` : "none", padding: `0 ${sheetPadding - line}mm`,
                                    lineHeight: `${Math.max(item.height - 2 * line, 0)}mm`});
    }
    element.textContent = item.text;
    return element;
  }
  let sheetPadding = 1;
  // Fills the print view; false (and a message) when the core refused the options.
  function fillPrintView(card) {
    const sheet = json(call("qx_sheet", ["number", "string", "string", "string", "string", "string"],
                            [card ? 1 : 0, $("print-paper").value, $("print-vessel").value.trim(), $("print-call-sign").value.trim(),
                             document.querySelector("h1 small").textContent.trim(), language]));
    if (sheet.error) {
      box("Print", sheet.error);
      return false;
    }
    sheetPadding = sheet.paddingMm;
    $("print-page-size").textContent = `@page { size: ${sheet.widthMm}mm ${sheet.heightMm}mm; margin: 0; }`;
    $("print-view").replaceChildren(...sheet.pages.map((page) => {
      const element = document.createElement("div");
      element.className = "sheet-page";
      Object.assign(element.style, {width: `${sheet.widthMm}mm`, height: `${sheet.heightMm}mm`});
      element.append(...page.items.map(drawItem));
      return element;
    }));
    return true;
  }
  for (const [id, card] of [["print-sheet", false], ["print-card", true]]) {
    $(id).addEventListener("click", () => {
      if (fillPrintView(card)) window.print();
    });
  }

  // --- private channels ------------------------------------------------------------------------
  const usages = json(call("qx_private_usages"));
  $("channel-name-first").replaceChildren(...[...usages.nameChars].map((c) => new Option(c)));
  $("channel-name-second").replaceChildren(...[...usages.digits].map((c) => new Option(c)));
  $("channel-usage").replaceChildren(...usages.names.map((name, i) => new Option(name.trim(), usages.first + i)));
  const frequencyText = (mhz) => mhz.toFixed(5);
  const showRx = () => {
    const tx = parseFloat($("channel-tx").value) || 0;
    $("channel-rx").textContent = frequencyText($("channel-duplex").checked ? tx + 4.6 : tx);
  };
  for (const id of ["channel-tx", "channel-duplex", "channel-simplex"]) $(id).addEventListener("input", showRx);

  // The dialog until OK gives fields the document takes, or Cancel. One at a time: a dialog's
  // close event arrives after it has closed, and must not end the next one.
  let channelDialogBusy = false;
  async function channelDialog(entry, store) {
    if (channelDialogBusy) return;
    channelDialogBusy = true;
    try { await runChannelDialog(entry, store); } finally { channelDialogBusy = false; }
  }
  async function runChannelDialog(entry, store) {
    const dialog = $("channel-dialog");
    $("channel-name-first").value = entry.name ? entry.name[0] : usages.nameChars[0];
    $("channel-name-second").value = entry.name ? entry.name[1] : "0";
    $("channel-usage").value = entry.usageCode >= usages.first ? entry.usageCode : usages.first;
    $("channel-tx").value = frequencyText(entry.tx);
    $(entry.duplex ? "channel-duplex" : "channel-simplex").checked = true;
    showRx();
    for (;;) {
      dialog.returnValue = "cancel";
      dialog.showModal();
      await new Promise((resolve) => { dialog.onclose = resolve; });
      if (dialog.returnValue !== "ok") return;
      const problem = store($("channel-name-first").value + $("channel-name-second").value, Number($("channel-usage").value),
                            parseFloat($("channel-tx").value) || 0, $("channel-duplex").checked ? 1 : 0);
      if (!problem) return render(true);
      // "TEXT with %1\nVALUE": the text in the user's language, the value filled in.
      const cut = problem.lastIndexOf("\n");
      await box("Error", problem.includes("%1") && cut > 0 ? trArgs(problem.slice(0, cut), problem.slice(cut + 1)) : problem);
    }
  }

  async function mayEditChannels() {
    if (busy === "read") return false;
    if ($("band").value === "Private") return true;
    await box("Error", "Only Private Channel Can be Modified!");
    return false;
  }
  const selectedChannel = () => $("channel-list").selectedIndex;
  const privateArgs = ["string", "number", "number", "number"];
  async function editChannel() {
    if (!(await mayEditChannels())) return;
    const position = selectedChannel();
    if (position < 0) return box("Error", "Please Select a Channel First!");
    await channelDialog(json(call("qx_private_entry", ["number"], [position])), (...fields) =>
      call("qx_private_edit", ["number", ...privateArgs], [position, ...fields]));
    $("channel-list").selectedIndex = position;
  }
  $("channel-edit").addEventListener("click", editChannel);
  $("channel-list").addEventListener("dblclick", editChannel);
  $("channel-list").addEventListener("keydown", (event) => { if (event.key === "Enter") editChannel(); });
  $("channel-add").addEventListener("click", async () => {
    if (!(await mayEditChannels())) return;
    const position = selectedChannel();
    await channelDialog({tx: 157.85, duplex: false}, (...fields) =>
      call("qx_private_add", ["number", ...privateArgs], [position, ...fields]));
  });
  $("channel-remove").addEventListener("click", async () => {
    if (!(await mayEditChannels())) return;
    const problem = call("qx_private_remove", ["number"], [selectedChannel()]);
    if (problem) return box("Error", problem);
    render(true);
  });

  // --- the radio -------------------------------------------------------------------------------
  const commands = {read: "Read From Radio", write: "Write to Radio", verify: "Verify", handshake: "HandShake"};
  let busy = null;
  let connected = false;
  let virtualRadio = false;

  function updateCloneUi() {
    for (const [id, label] of Object.entries(commands)) {
      const button = $(id);
      button.textContent = tr(busy === id ? "Stop" : label);
      button.disabled = busy ? busy !== id : !connected;
    }
    for (const id of ["connect", "virtual", "load-default", "open", "csv-import"]) $(id).disabled = !!busy;
    $("undo").disabled = !!busy || !doc.canUndo;
    $("redo").disabled = !!busy || !doc.canRedo;
    document.querySelectorAll(".backups button").forEach((b) => { b.disabled = !!busy || !!b.dataset.unusable; });
  }

  function showPort(text, isVirtual) {
    $("port").textContent = text;
    $("port").classList.toggle("virtual", !!isVirtual);
  }

  async function discover() {
    if (busy) return;
    callNumber("qx_use_virtual", ["number"], [virtualRadio ? 1 : 0]);
    const found = await awaitCall("qx_discover");
    connected = found.found;
    if (virtualRadio) {
      showPort("Virtual", true);
    } else if (found.found) {
      showPort(found.adaptors > 1 ? `${found.adaptors} adaptors` : "Detected");
      notice("");
    } else {
      showPort("--------");
      if (found.permissionDenied) {
        notice(`${found.hint}\n\nThe rule (saved as /etc/udev/rules.d/70-qx720-clone.rules):\n${udevRule}\n\n` +
               "Then run: sudo udevadm control --reload && sudo udevadm trigger" +
               (found.reason ? `\n\nThe browser said: ${found.reason}` : ""));
      }
    }
    updateCloneUi();
  }

  // One run per radio: every run holds the browser's lock named after its radio, the question
  // between a change's two steps included, so that another tab of this page never writes the
  // same radio at once. The virtual radio lives in this tab alone.
  const inUseText = "The adaptor is in use in another tab.";
  const inUse = Symbol("in use");
  const virtualLock = `qx720-virtual-radio:${Date.now().toString(36)}-${Math.random().toString(36).slice(2)}`;
  const hex4 = (n) => n.toString(16).padStart(4, "0");
  function radioLockName() {
    if (virtualRadio) return virtualLock;
    const listed = (qx.qxHid && qx.qxHid.listed) || [];
    const found = listed.find((item) => item.device.opened) || listed[0];
    const device = found ? found.device : adaptorId;
    return `qx720-adaptor:${hex4(device.vendorId)}:${hex4(device.productId)}:${device.productName || ""}`;
  }
  function withRadioLock(work) {
    if (!navigator.locks) return work();
    return navigator.locks.request(radioLockName(), {ifAvailable: true}, (lock) => (lock ? work() : inUse));
  }

  async function runCommand(kind, work) {
    if (busy) {
      if (busy === kind) callNumber("qx_stop");
      return;
    }
    busy = kind;
    updateCloneUi();
    const caption = commands[kind] || "Restore";
    try {
      if ((await withRadioLock(work)) === inUse) {
        setStatus(inUseText);
        await box(caption, inUseText);
      }
    } catch (error) {
      setStatus(`${tr(caption)}: ${error && error.message || error}`);
    } finally {
      busy = null;
      // An adaptor pulled during the command: gone, unless it is already back.
      if (connected && !virtualRadio && !callNumber("qx_present")) {
        connected = false;
        showPort("--------");
        discover();
      }
      $("progress").value = 0;
      updateCloneUi();
      render(true);
      refreshBackups();
    }
  }

  function failureText(outcome) {
    const message = tr(outcome.message);
    return outcome.reason ? `${message}\n${tr("Reason: %1").replace("%1", outcome.reason)}` : message;
  }

  async function doHandShake() {
    setStatus("HandShaking...");
    const outcome = await awaitCall("qx_handshake");
    if (outcome.code === 0) {
      setStatus("HandShake OK.");
      return outcome;
    }
    await box("HandShake Error.", failureText(outcome));
    setStatus("Readt.");
    return outcome;
  }

  async function doRead() {
    setStatus("Reading...");
    const outcome = await awaitCall("qx_read");
    if (outcome.code === 1) return setStatus("User Cancel.", true);
    if (outcome.code !== 0) {
      await box("Read Error", failureText(outcome));
      return setStatus("Read Error.", true);
    }
    setStatus("Read OK.", true);
    render();
    if (outcome.problem)
      await box("Read OK.", `Warning: what the radio holds fails the clone file check (${outcome.problem}), so a clone file saved from it will not open again.`);
    return outcome;
  }

  // What a write keeps of the radio first: the clone range it replaces, the whole EEPROM when
  // the user asks for it, or nothing (the self-test).
  const backupKind = {written: 0, whole: 1, none: 2};
  const unknownFormat = 0x20005;  // a restore of bytes that are no backup of this radio
  const wholeKey = "qx720-clone.backup-whole";

  // The write: the identity check, the radio read (what the write replaces), the question before
  // a radio's identity is replaced, then the backup stored in this browser and the write.
  async function doWrite(store = true) {
    if (!(await identitiesMayGo())) return {code: -1};
    setStatus("Backing up the radio...");
    const kind = !store ? backupKind.none : $("backup-whole").checked ? backupKind.whole : backupKind.written;
    const prepared = await awaitCall("qx_prepare_write", ["number"], [kind]);
    const replace = await decide(prepared, "Write to Radio", "Write");
    if (replace === null) return prepared.code === 0 ? {code: -1} : prepared;
    setStatus("Writing...");
    const written = await awaitCall("qx_finish", ["number"], [replace ? 1 : 0]);
    showKept(written.backup, "The radio's previous contents were saved in this browser as %1.");
    if (written.code === 0) {
      setStatus("Write OK.", true);
      return written;
    }
    setStatus(written.code === 1 ? "User Cancel." : "Write Error.", true);
    await box("Write Error", finishFailure(written,
      "The radio may now hold part of the new settings. Write again, or put back its previous contents.",
      "The radio's previous contents were saved in this browser as %1: Backups puts them back."));
    return written;
  }

  // After the first step of a write or a restore: its failure, or the question before an
  // identity the radio holds is replaced or cleared. null when the change goes no further
  // (dropped: nothing kept, nothing sent), else whether the user said to replace them.
  async function decide(prepared, caption, verb) {
    if (prepared.code !== 0) {
      setStatus(prepared.code === 1 ? "User Cancel." : `${verb} Error.`, true);
      if (prepared.code !== 1) {
        const radioFailed = prepared.code !== unknownFormat;
        await box(`${verb} Error`, failureText(prepared) + (radioFailed ? `\n\n${tr("Nothing was written to the radio: it was being backed up first.")}` : ""));
      }
      return null;
    }
    if (prepared.replaced.length === 0) return false;
    const text = prepared.replaced.map((r) => (r.clears ? trArgs("The radio holds %1. Write over it and clear it?", r.held)
                                                        : trArgs("The radio holds %1. Write %2 over it?", r.held, r.written))).join("\n");
    if (await question(caption, text)) return true;
    callNumber("qx_drop");
    setStatus(verb === "Write" ? "Write cancelled: identity kept." : "Restore cancelled: identity kept.", true);
    return null;
  }
  // Why a change's second step failed, and what the radio and this browser hold now.
  function finishFailure(outcome, partly, keptText) {
    if (outcome.problem) return trArgs("No backup of the radio could be made, so nothing was written to it.\n%1", outcome.problem);
    let text = failureText(outcome);
    if (outcome.sent) text += `\n\n${tr(partly)}`;
    if (outcome.backup) text += `\n\n${trArgs(keptText, outcome.backup)}`;
    return text;
  }

  // The backup a change has just taken, named under the list.
  function showKept(name, text) {
    $("backup-kept").hidden = !name;
    $("backup-kept").textContent = name ? trArgs(text, name) : "";
  }

  let reportText = "";
  async function doVerify() {
    setStatus("Verifying...");
    const outcome = await awaitCall("qx_verify");
    if (outcome.code === 1) return setStatus("User Cancel.", true);
    if (outcome.code !== 0) {
      setStatus("Verify Error.", true);
      await box("Verify Error", failureText(outcome));
      return outcome;
    }
    reportText = outcome.report;
    $("report").textContent = reportText;
    $("report-section").hidden = false;
    setStatus(outcome.same ? "Verify OK." : "Verify Error.", true);
    if (!outcome.same && !selftest) $("report").focus();
    return outcome;
  }
  $("report-download").addEventListener("click", () => download("Verify.txt", reportText.replace(/\n/g, "\r\n"), "text/plain"));

  $("handshake").addEventListener("click", () => runCommand("handshake", doHandShake));
  $("read").addEventListener("click", () => runCommand("read", doRead));
  $("write").addEventListener("click", () => runCommand("write", () => doWrite()));
  $("verify").addEventListener("click", () => runCommand("verify", doVerify));

  $("connect").addEventListener("click", async () => {
    if (!navigator.hid) return;
    virtualRadio = false;
    $("virtual").setAttribute("aria-pressed", "false");
    try {
      await qx.qxHid.request(adaptorId.vendorId, adaptorId.productId);
    } catch (error) {
      setStatus(`The browser did not open its device chooser: ${error.message}`);
    }
    await discover();
  });
  $("virtual").addEventListener("click", async () => {
    virtualRadio = !virtualRadio;
    $("virtual").setAttribute("aria-pressed", String(virtualRadio));
    await discover();
  });

  // --- backups ---------------------------------------------------------------------------------
  const wholeBytes = 8192, cloneRangeBytes = 1536;
  try { $("backup-whole").checked = localStorage.getItem(wholeKey) === "1"; } catch (error) { /* no storage: the default */ }
  $("backup-whole").addEventListener("change", () => {
    try { localStorage.setItem(wholeKey, $("backup-whole").checked ? "1" : "0"); } catch (error) { /* kept for this visit */ }
  });

  async function refreshBackups() {
    let list = [];
    try { list = await qxBackups.list(); } catch (error) { list = []; }
    const items = list.map((backup) => {
      const item = document.createElement("li");
      const size = backup.bytes.length;
      const kind = size >= wholeBytes ? "whole EEPROM" : size === cloneRangeBytes ? "clone range" : "";
      item.dataset.kind = size >= wholeBytes ? "whole" : size === cloneRangeBytes ? "clone-range" : "unknown";
      const when = new Date(backup.time).toLocaleString();
      item.append(`${backup.name} (${kind ? `${tr(kind)}, ` : ""}${when}${backup.mmsi ? `, MMSI ${backup.mmsi}` : ""})`);
      const save = document.createElement("button");
      save.textContent = tr("Download");
      save.setAttribute("aria-label", `${tr("Download")} ${backup.name}`);
      save.addEventListener("click", () => download(backup.name, backup.bytes, "application/octet-stream"));
      const restore = document.createElement("button");
      restore.textContent = tr("Restore");
      restore.setAttribute("aria-label", `${tr("Restore")} ${backup.name}`);
      if (!kind) restore.dataset.unusable = "1";
      restore.disabled = !!busy || !kind;
      restore.addEventListener("click", () => runCommand("restore", () => restoreBackup(backup)));
      const buttons = document.createElement("div");
      buttons.className = "buttons";
      buttons.append(save, restore);
      item.append(buttons);
      return item;
    });
    $("backup-list").replaceChildren(...items);
    if (items.length === 0) {
      $("backup-list").append(Object.assign(document.createElement("li"), {textContent: tr("No backups yet. One is made before every write to the radio.")}));
    }
  }

  // A backup back into the radio, exactly its bytes: the whole EEPROM, or the clone range. The
  // radio is backed up first, as before every write.
  async function restoreBackup(backup) {
    if (!connected) return box("Restore", describe(0x1000E));
    const whole = backup.bytes.length >= wholeBytes;
    const asked = trArgs(whole ? "Write %1 back into the radio? Everything it holds now is replaced."
                               : "Write %1 back into the radio? Its settings and identities are replaced; the rest of its EEPROM stays as it is.",
                         backup.name);
    if (!(await question("Restore", asked))) return;
    setStatus("Backing up the radio...");
    const pointer = qx._malloc(backup.bytes.length);
    qx.HEAPU8.set(backup.bytes, pointer);
    let prepared;
    try { prepared = await awaitCall("qx_prepare_restore", ["number", "number"], [pointer, backup.bytes.length]); } finally { qx._free(pointer); }
    const replace = await decide(prepared, "Restore", "Restore");
    if (replace === null) return;
    setStatus("Restoring...");
    const restored = await awaitCall("qx_finish", ["number"], [replace ? 1 : 0]);
    showKept(restored.backup, "The radio's contents before the restore were saved in this browser as %1.");
    if (restored.code === 0) return setStatus("Restore OK.", true);
    setStatus(restored.code === 1 ? "User Cancel." : "Restore Error.", true);
    if (restored.code !== 1 || restored.sent) {
      await box("Restore Error", finishFailure(restored, "The radio may now hold part of the backup. Restore it again to finish.",
                                               "The radio's contents before the restore were saved in this browser as %1."));
    }
  }

  // Leaving the page while a command runs would leave the radio partly written, and leaving
  // loses a changed document from a file (as the window, it asks nothing for an untitled one):
  // the browser asks first.
  window.addEventListener("beforeunload", (event) => {
    if (!busy && !(doc && doc.modified && !doc.untitled)) return;
    event.preventDefault();
    event.returnValue = "";
  });

  // --- start -----------------------------------------------------------------------------------
  const sets = json(call("qx_private_sets"));
  $("default-set").replaceChildren(...sets.map((name, index) => new Option(name, index)));
  $("default-set").value = sets.length - 1;  // "None", as the wizard starts
  render();
  updateCloneUi();
  refreshBackups();
  if (!navigator.hid) {
    notice("This browser cannot reach USB devices (it has no WebHID). Open this file in Chrome, Edge, Opera or " +
           "Brave on a desktop computer, or use the desktop program QX720Clone. \"Virtual radio\" works here too.");
  } else {
    navigator.hid.addEventListener("connect", () => { if (!virtualRadio) discover(); });
    navigator.hid.addEventListener("disconnect", () => {
      if (virtualRadio) return;
      if (!busy) { connected = false; showPort("--------"); updateCloneUi(); }
    });
  }
  if (params.get("radio") === "virtual" || selftest) {
    virtualRadio = true;
    $("virtual").setAttribute("aria-pressed", "true");
  }
  if (virtualRadio || navigator.hid) await discover();

  if (selftest) {
    const started = performance.now();
    const steps = [["HandShake", doHandShake], ["Write", () => doWrite(false)], ["Read", doRead], ["Verify", doVerify]];
    let failure = "";
    for (const [name, step] of steps) {
      busy = name.toLowerCase();
      const outcome = await step();
      busy = null;
      if (!outcome || outcome.code !== 0) { failure = `${name}: ${outcome ? outcome.message || "refused" : "failed"}`; break; }
      if (name === "Verify" && !outcome.same) { failure = "Verify: the radio differs from what was written"; break; }
    }
    updateCloneUi();
    document.title = failure ? `selftest FAILED ${failure}` : `selftest OK ${Math.round(performance.now() - started)}`;
  }
  window.qxReadyMs = performance.now();
  window.qxReady = true;
})().catch((error) => {
  document.title = new URLSearchParams(location.search).has("selftest") ? `selftest FAILED ${error && error.message || error}` : document.title;
  const notice = document.getElementById("notice");
  notice.hidden = false;
  notice.textContent = `The page could not start: ${error && error.message || error}`;
});
