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
  // Every text and accessible name on the page goes through the catalog: the page's own at the
  // start, and whatever a script puts in later (a status, a port, a dialog's buttons), as it
  // arrives. A text is looked up as one line with its spaces collapsed, as the catalog holds it;
  // a text already translated is left alone, so that nothing is translated twice.
  const translatedAttributes = ["aria-label", "title", "placeholder", "alt"];
  const translations = new Set(Object.values(catalog));
  const lookUp = (text) => {
    const key = text.replace(/\s+/g, " ").trim();
    return key && !translations.has(key) && catalog[key] !== undefined && catalog[key] !== key ? catalog[key] : null;
  };
  function translateNode(node) {
    if (node.nodeType === Node.TEXT_NODE) {
      if (!node.parentElement || node.parentElement.closest("#print-view")) return;  // the core's layout, in the page's language
      const translated = lookUp(node.nodeValue);
      if (translated !== null) node.nodeValue = node.nodeValue.replace(/\S[\s\S]*\S|\S/, translated);
      return;
    }
    if (node.nodeType !== Node.ELEMENT_NODE) return;
    for (const element of [node, ...node.querySelectorAll("*")]) {
      for (const name of translatedAttributes) translateAttribute(element, name);
    }
    const walker = document.createTreeWalker(node, NodeFilter.SHOW_TEXT);
    for (let text = walker.nextNode(); text; text = walker.nextNode()) translateNode(text);
  }
  if (language !== "en") {
    translateNode(document.head.querySelector("title"));
    translateNode(document.body);
    new MutationObserver((records) => {
      for (const record of records) {
        if (record.type === "attributes") translateAttribute(record.target, record.attributeName);
        else if (record.type === "characterData") translateNode(record.target);
        else record.addedNodes.forEach(translateNode);
      }
    }).observe(document.body, {subtree: true, childList: true, characterData: true, attributes: true, attributeFilter: translatedAttributes});
  }
  function translateAttribute(element, name) {
    const translated = element.hasAttribute(name) ? lookUp(element.getAttribute(name)) : null;
    if (translated !== null) element.setAttribute(name, translated);
  }

  const bytesOf = (base64) => Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
  // The module travels gzipped (a third of its size); the browser unpacks it without a fetch.
  const unpacked = async (bytes) =>
    new Uint8Array(await new Response(new Blob([bytes]).stream().pipeThrough(new DecompressionStream("gzip"))).arrayBuffer());
  let progressMax = 100;
  const qx = await createQx720({
    wasmBinary: await unpacked(bytesOf(window.qxWasmBase64)),
    onProgress(position, maximum) {
      progressMax = Math.max(maximum, 1);
      $("progress").max = progressMax;
      $("progress").value = Math.min(Math.max(position, 0), progressMax);
    },
    onStage() {},
    // The gate's backup: stored for good before the first block of a change is sent.
    keepBackup: (bytes, mmsi) => keepBackup(bytes, mmsi),
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
  // Until a read, a file or the defaults, the page shows no document: the defaults it holds
  // would pass for the user's radio.
  let shown = false;
  // The document is just what a read, a file or the defaults gave: dropping it loses nothing
  // the radio or a file does not hold.
  let untouched = true;

  function showHint(which) {
    const hint = json(call("qx_identity_hint", ["number", "string"], [which === "atis" ? 1 : 0, identityFields[which].value]));
    const element = $(`${which}-hint`);
    element.textContent = hint.refusal ? tr("The radio refuses this number: %1.").replace("%1", tr(hint.refusal)) : tr(hint.text);
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
      field.disabled = doc[`${which}ByUser`] || !!busy;
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
    // The step an undo or a redo would take, named as the window's Edit menu names it.
    const stepName = (text, arg) => trArgs(text, tr(arg));
    $("undo").title = doc.canUndo ? `${tr("Undo")}: ${stepName(doc.undoText, doc.undoArg)}` : "";
    $("redo").title = doc.canRedo ? `${tr("Redo")}: ${stepName(doc.redoText, doc.redoArg)}` : "";
    $("undo").disabled = !doc.canUndo || busy;
    $("redo").disabled = !doc.canRedo || busy;
    const name = doc.name || doc.modelName;
    $("document-name").textContent = shown ? `${name}${doc.modified ? " *" : ""}` : "";
    $("checksum").textContent = `${tr("CheckSum")} 0x${doc.checksum.toString(16).toUpperCase().padStart(8, "0")}`;
    document.body.classList.toggle("empty", !shown);
    $("no-document").hidden = shown;
    if (!selftest) document.title = shown ? `${name}${doc.modified ? "*" : ""} - QX720 Clone` : "QX720 Clone";
    updateCloneUi();
  }
  // An edit by the user: from now on, dropping the document asks first.
  function edited() {
    untouched = false;
    render(true);
  }
  // A new document from a read, a file or the defaults.
  function showNew() {
    shown = true;
    untouched = true;
    render();
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
    edited();
  }

  for (const which of ["mmsi", "atis"]) {
    // A number pasted as "235 012 345" or "235-012-345" is its nine digits: the field has no
    // length limit of its own, which would cut the pasted text before its spaces are gone.
    identityFields[which].addEventListener("input", () => {
      const field = identityFields[which];
      const caret = field.value.slice(0, field.selectionStart ?? field.value.length).replace(/\D/g, "").length;
      const digits = field.value.replace(/\D/g, "").slice(0, 9);
      if (digits !== field.value) {
        field.value = digits;
        field.setSelectionRange(Math.min(caret, digits.length), Math.min(caret, digits.length));
      }
      pushControls();
    });
    // As in the window: Enter in an identity field writes the radio, and never stops a
    // running write, which a second Enter would leave half written.
    identityFields[which].addEventListener("keydown", (event) => {
      if (event.key !== "Enter" || event.isComposing) return;
      event.preventDefault();
      if (!busy && !$("write").disabled) runCommand("write", () => doWrite());
    });
    $(`${which}-by-user`).addEventListener("change", () => pushControls());
    // Leaving the field makes a valid number (or an emptied field) one step, as in the window.
    identityFields[which].addEventListener("change", () => { callNumber("qx_commit_identities"); render(true); });
  }
  for (const id of ["model-usa", "model-europe", "tx-step", "rx-step"]) $(id).addEventListener("change", () => pushControls());
  for (const box of document.querySelectorAll("#groups input[data-group]")) box.addEventListener("change", () => pushControls());
  $("band").addEventListener("change", renderChannels);
  $("from-mmsi").addEventListener("click", () => {
    const atis = call("qx_atis_from_mmsi", ["string"], [identityFields.mmsi.value]);
    if (!atis) return;
    identityFields.atis.value = atis;
    pushControls();
    callNumber("qx_commit_identities");
    render(true);
  });
  $("undo").addEventListener("click", () => { callNumber("qx_undo"); untouched = false; render(); });
  $("redo").addEventListener("click", () => { callNumber("qx_redo"); untouched = false; render(); });
  document.addEventListener("keydown", (event) => {
    if (!(event.ctrlKey || event.metaKey) || busy || event.target.tagName === "INPUT") return;
    const key = event.key.toLowerCase();
    if (key === "z" || key === "y") {
      event.preventDefault();
      callNumber(key === "z" && !event.shiftKey ? "qx_undo" : "qx_redo");
      untouched = false;
      render();
    }
  });

  // Save as: the clone file goes to the browser's downloads.
  async function saveAs() {
    if (!(await identitiesMayGo())) return false;
    // Saved only by the rule files are opened by: a file that never opens again is no save.
    const problem = call("qx_save_problem");
    if (problem) {
      setStatus("Save as file error.", true);
      await box("Error", trArgs("This document cannot be saved as a clone file: %1, and such a file would not open again. Edit or remove that channel first.", problem));
      return false;
    }
    const name = doc.name || (doc.mmsi ? `${doc.mmsi}.dat` : "radio.dat");
    if (callNumber("qx_save_dat", ["string"], [name]) !== 0) {
      setStatus("Save as file error.", true);
      return false;
    }
    download(name, takeBytes("qx_file_bytes", "qx_file_length"), "application/octet-stream");
    setStatus("Save as file OK.", true);
    render(true);
    return true;
  }
  // The window's question before another document takes the place of one holding edits no
  // file has: Yes saves first, No goes on, Cancel stops. Its safe answer (Enter, Esc) is
  // Cancel, which loses nothing. A titled document keeps its command's own question.
  async function mayDrop(titledQuestion) {
    if (!doc.modified || untouched) return true;
    const answer = await ask("WARNING", doc.untitled ? "Do you want to save?" : titledQuestion,
                             [["Yes", "yes"], ["No", "no"], ["Cancel", "cancel"]], "cancel");
    if (answer === "yes") return saveAs();
    return answer === "no";
  }
  $("load-default").addEventListener("click", async () => {
    if (busy || !(await mayDrop("File is modified. Do you want to save?")) || busy) return;
    call("qx_load_default", ["number", "number"], [Number($("default-model").value), Number($("default-set").value)]);
    showNew();
  });
  $("open").addEventListener("click", async () => {
    if (busy || !(await mayDrop("Do you want to save?")) || busy) return;
    $("open-file").click();
  });
  $("start-default").addEventListener("click", () => $("load-default").click());
  $("start-open").addEventListener("click", () => $("open").click());
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
    showNew();
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
    // The file's own bytes, as the command line reads them: the core decides what a NUL byte or
    // a Windows-1252 letter means. The zero after them costs nothing.
    const bytes = new Uint8Array(await file.arrayBuffer());
    if (busy) return;
    const pointer = qx._malloc(bytes.length + 1);
    let outcome;
    try {
      qx.HEAPU8.set(bytes, pointer);
      qx.HEAPU8[pointer + bytes.length] = 0;
      outcome = json(call("qx_csv_import", ["number", "number"], [pointer, bytes.length]));
    } finally { qx._free(pointer); }
    // The first problems, and how many more: ten thousand bad lines make no box of ten
    // thousand lines.
    const listed = [...(outcome.problems || [])];
    if (outcome.more > 0) listed.push(trArgs("... and %1 more.", String(outcome.more)));
    if (!outcome.ok) return box("Import channels", `${tr("Nothing was imported:")}\n${listed.join("\n")}`);
    edited();
    setStatus(trArgs("Imported the private channels of %1.", file.name), true);
    const shared = outcome.shared || [];
    if (shared.length > 0) await box("Import channels", shared.join("\n"));
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
    const tx = parseFloat($("channel-tx").value.trim().replace(",", ".")) || 0;
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
      // The TX as typed ("157,85" too): the core reads it, and refuses what is no frequency.
      const problem = store($("channel-name-first").value + $("channel-name-second").value, Number($("channel-usage").value),
                            $("channel-tx").value.trim(), $("channel-duplex").checked ? 1 : 0);
      if (!problem) return edited();
      // "TEXT with %1\nVALUE": the text in the user's language, the value filled in.
      const cut = problem.lastIndexOf("\n");
      await box("Error", problem.includes("%1") && cut > 0 ? trArgs(problem.slice(0, cut), problem.slice(cut + 1)) : problem);
    }
  }

  async function mayEditChannels() {
    if (busy) return false;
    if ($("band").value === "Private") return true;
    await box("Error", "Only Private Channel Can be Modified!");
    return false;
  }
  const selectedChannel = () => $("channel-list").selectedIndex;
  const privateArgs = ["string", "number", "string", "number"];
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
    edited();
  });

  // --- the radio -------------------------------------------------------------------------------
  const commands = {read: "Read From Radio", write: "Write to Radio", verify: "Verify", handshake: "HandShake"};
  let busy = null;
  let connected = false;
  let virtualRadio = false;

  // The three steps, each open once it can be done; and while the radio works, nothing that
  // changes the document: a read takes its place, a write sends what it held at the start.
  const documentControls = ["load-default", "default-model", "default-set", "open", "start-open", "start-default", "csv-import",
                            "mmsi-by-user", "atis-by-user", "from-mmsi", "model-usa", "model-europe", "tx-step", "rx-step",
                            "channel-edit", "channel-add", "channel-remove"];
  function updateCloneUi() {
    const needsDocument = {read: false, handshake: false, write: true, verify: true};
    for (const [id, label] of Object.entries(commands)) {
      const button = $(id);
      button.textContent = tr(busy === id ? "Stop" : label);
      button.disabled = busy ? busy !== id : !connected || (needsDocument[id] && !shown);
    }
    const step = !connected ? "connect" : !shown ? "read" : "write";
    for (const [name, open] of [["connect", true], ["read", connected], ["write", connected && shown]]) {
      $(`step-${name}`).classList.toggle("closed", !open);
      if (name === step) $(`step-${name}`).setAttribute("aria-current", "step");
      else $(`step-${name}`).removeAttribute("aria-current");
    }
    for (const id of ["connect", "virtual", ...documentControls]) $(id).disabled = !!busy;
    for (const box of document.querySelectorAll("#groups input[data-group]")) box.disabled = !!busy;
    for (const which of ["mmsi", "atis"]) identityFields[which].disabled = !!busy || !!(doc && doc[`${which}ByUser`]);
    for (const id of ["save", "freq-table", "csv-export"]) $(id).disabled = !shown;
    $("csv-import").disabled = !!busy || !shown;
    $("undo").disabled = !!busy || !doc.canUndo;
    $("redo").disabled = !!busy || !doc.canRedo;
    document.querySelectorAll(".backups button").forEach((b) => { b.disabled = !!busy || !!b.dataset.unusable; });
  }

  function showPort(text, isVirtual) {
    $("port").textContent = tr(text);
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
      showPort(found.adaptors > 1 ? trArgs("%1 adaptors", found.adaptors) : "Detected");
      notice("");
    } else {
      showPort("--------");
      if (found.permissionDenied) {
        notice(`${tr(found.hint)}\n\n${trArgs("The rule (saved as %1):", "/etc/udev/rules.d/70-qx720-clone.rules")}\n${udevRule}\n\n` +
               trArgs("Then run: %1", "sudo udevadm control --reload && sudo udevadm trigger") +
               (found.reason ? `\n\n${trArgs("The browser said: %1", found.reason)}` : ""));
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
      showInterrupted();  // a change broken off by a fault of the page: its record says what to do
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
    showNew();
    if (outcome.problem)
      await box("Read OK.", trArgs("Warning: what the radio holds fails the clone file check (%1), so a clone file saved from it will not open again.", outcome.problem));
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
    if (store && !(await storageTakesBackup("Write"))) return {code: -1};
    setStatus("Backing up the radio...");
    const kind = !store ? backupKind.none : $("backup-whole").checked ? backupKind.whole : backupKind.written;
    const prepared = await awaitCall("qx_prepare_write", ["number"], [kind]);
    const replace = await decide(prepared, "Write to Radio", "Write");
    if (replace === null) return prepared.code === 0 ? {code: -1} : prepared;
    setStatus("Writing...");
    changing = {kind: "write", checksum: doc.checksum, document: doc.name || doc.modelName, lock: radioLockName()};
    const written = await awaitCall("qx_finish", ["number"], [replace ? 1 : 0]).finally(() => { changing = null; });
    showKept(written.backup, "The radio's previous contents were saved in this browser as %1.");
    if (written.code === 0) {
      setStatus("Write OK.", true);
      forgetChange();
      return written;
    }
    setStatus(written.code === 1 ? "User Cancel." : "Write Error.", true);
    await box("Write Error", finishFailure(written,
      "The radio may now hold part of the new settings. Write again, or put back its previous contents.",
      "The radio's previous contents were saved in this browser as %1: Backups puts them back."));
    forgetChange();
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
  $("read").addEventListener("click", async () => {
    // A click on Stop stops at once; a new read first asks about the edits it would replace.
    if (!busy && !(await mayDrop("Do you want to save?"))) return;
    runCommand("read", doRead);
  });
  $("write").addEventListener("click", () => runCommand("write", () => doWrite()));
  $("verify").addEventListener("click", () => runCommand("verify", doVerify));

  $("connect").addEventListener("click", async () => {
    if (!navigator.hid) return;
    virtualRadio = false;
    $("virtual").setAttribute("aria-pressed", "false");
    try {
      if (!(await qx.qxHid.request(adaptorId.vendorId, adaptorId.productId))) setStatus("No adaptor chosen.");
    } catch (error) {
      setStatus(trArgs("The browser did not open its device chooser: %1", error.message));
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

  // Where the browser does not keep this page's storage for good (a private window, a refusal),
  // the user is told before any write, and every backup also goes to the downloads as it is made.
  let storageKept = false;
  const storageAnswer = (async () => {
    storageKept = await qxBackups.persist();
    showStorage(storageKept ? "" : "This browser may delete the backups kept here: in a private window when it closes, " +
                                    "otherwise when the disk runs low. Each backup is therefore also downloaded as it is made: keep those files.",
                storageKept ? "" : "Backups may not be kept in this browser: each one is also downloaded.");
    try {
      await qxBackups.check();
    } catch (error) {
      const text = trArgs("This browser does not store backups here (%1), so the radio cannot be written from this page.", storageReason(error));
      showStorage(text, text);
    }
    return storageKept;
  })();
  // In the backups, and in short beside Write, where it is read before the first write.
  function showStorage(text, short) {
    for (const [id, shown] of [["backup-storage", text], ["write-storage", short]]) {
      $(id).hidden = !shown;
      $(id).textContent = shown ? tr(shown) : "";
    }
    if (short) $("write").setAttribute("aria-describedby", "write-storage");
    else $("write").removeAttribute("aria-describedby");
  }
  const storageReason = (error) => String(error && error.message || error || tr("the browser did not store the backup"));
  // Whether a backup can be stored now, asked before the radio is read for one: a refusal
  // comes at once, with nothing sent.
  async function storageTakesBackup(verb) {
    try {
      await qxBackups.check();
      return true;
    } catch (error) {
      setStatus(`${verb} Error.`, true);
      await box(`${verb} Error`, trArgs("No backup of the radio could be made, so nothing was written to it.\n%1", storageReason(error)));
      return false;
    }
  }

  // A change under way is written down in the page's storage once its backup is kept, just
  // before the first block goes to the radio, and forgotten when it ends and the user has been
  // told how: a record found at the start is a write that a reload or a crash broke off.
  const changeKey = "qx720-clone.write-in-progress";
  let changing = null;
  async function keepBackup(bytes, mmsi) {
    const name = await qxBackups.add(bytes, mmsi);
    if (changing) {
      try { localStorage.setItem(changeKey, JSON.stringify({...changing, backup: name, time: Date.now()})); } catch (error) { /* not kept */ }
    }
    if (!(await storageAnswer)) download(name, bytes, "application/octet-stream");
    return name;
  }
  function forgetChange() {
    try { localStorage.removeItem(changeKey); } catch (error) { /* nothing kept */ }
    $("interrupted").hidden = true;
  }
  async function showInterrupted() {
    let change = null;
    try { change = JSON.parse(localStorage.getItem(changeKey) || "null"); } catch (error) { change = null; }
    if (!change || !change.backup) return;
    // Still running in another tab of this browser: not broken off.
    if (navigator.locks && change.lock && (await navigator.locks.query()).held.some((lock) => lock.name === change.lock)) return;
    const when = new Date(change.time).toLocaleString(language);
    const restoring = change.kind === "restore";
    $("interrupted-text").textContent = restoring
      ? trArgs("A restore of %1 into the radio began at %2 and did not finish: the page was closed or reloaded, or the browser stopped. " +
               "The radio may be half written and may not work as it should. Restore again, or put back the backup taken just before: %3.",
               change.source, when, change.backup)
      : trArgs("A write to the radio began at %1 and did not finish: the page was closed or reloaded, or the browser stopped. " +
               "The radio may be half written and may not work as it should. Write again, or put back the backup taken just before: %2.",
               when, change.backup);
    $("interrupted-write").textContent = tr(restoring ? "Restore again" : "Write again");
    $("interrupted-restore").textContent = trArgs("Restore %1", change.backup);
    $("interrupted").hidden = false;
    $("interrupted-write").onclick = async () => {
      if (busy) return;
      if (restoring) return restoreNamed(change.source);
      // The document is not kept across a reload: the same settings again (the same checksum),
      // from its file or by hand, are what may be written again.
      if (doc.checksum !== change.checksum) {
        return box("Write again", trArgs("The document that was being written (%1) is no longer open in this page. Open its clone " +
                                         "file again, or make the same settings again, then press Write again; or restore the backup.",
                                         change.document));
      }
      return runCommand("write", () => doWrite());
    };
    $("interrupted-restore").onclick = () => restoreNamed(change.backup);
  }
  async function restoreNamed(name) {
    if (busy) return;
    let backup = null;
    try { backup = await qxBackups.get(name); } catch (error) { backup = null; }
    if (!backup) return box("Restore", trArgs("The backup %1 is no longer in this browser.", name));
    return runCommand("restore", () => restoreBackup(backup));
  }
  $("interrupted-dismiss").addEventListener("click", forgetChange);

  // A backup goes only when the user says so; the safe answer keeps it.
  async function deleteBackup(name) {
    if (busy || !(await question("Delete backup", trArgs("Delete the backup %1 from this browser? It cannot be brought back.", name)))) return;
    try {
      await qxBackups.remove(name);
    } catch (error) {
      await box("Error", storageReason(error));
    }
    refreshBackups();
  }
  $("backup-download-all").addEventListener("click", async () => {
    const list = await qxBackups.list();
    if (list.length > 0) download("qx720-backups.zip", qxBackups.zip(list), "application/zip");
  });

  async function refreshBackups() {
    let list = [];
    try { list = await qxBackups.list(); } catch (error) { list = []; }
    const items = list.map((backup) => {
      const item = document.createElement("li");
      const size = backup.bytes.length;
      const kind = size >= wholeBytes ? "whole EEPROM" : size === cloneRangeBytes ? "clone range" : "";
      item.dataset.kind = size >= wholeBytes ? "whole" : size === cloneRangeBytes ? "clone-range" : "unknown";
      const when = new Date(backup.time).toLocaleString(language);
      item.append(`${backup.name} (${kind ? `${tr(kind)}, ` : ""}${when}${backup.mmsi ? `, MMSI ${backup.mmsi}` : ""})`);
      const save = document.createElement("button");
      save.textContent = tr("Download");
      save.setAttribute("aria-label", trArgs("Download %1", backup.name));
      save.addEventListener("click", () => download(backup.name, backup.bytes, "application/octet-stream"));
      const restore = document.createElement("button");
      restore.textContent = tr("Restore");
      restore.setAttribute("aria-label", trArgs("Restore %1", backup.name));
      if (!kind) restore.dataset.unusable = "1";
      restore.disabled = !!busy || !kind;
      restore.addEventListener("click", () => runCommand("restore", () => restoreBackup(backup)));
      const remove = document.createElement("button");
      remove.textContent = tr("Delete");
      remove.setAttribute("aria-label", trArgs("Delete %1", backup.name));
      remove.disabled = !!busy;
      remove.addEventListener("click", () => deleteBackup(backup.name));
      const buttons = document.createElement("div");
      buttons.className = "buttons";
      buttons.append(save, restore, remove);
      item.append(buttons);
      return item;
    });
    $("backup-list").replaceChildren(...items);
    $("backup-download-all").disabled = !!busy || items.length === 0;
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
    if (!(await storageTakesBackup("Restore"))) return;
    setStatus("Backing up the radio...");
    const pointer = qx._malloc(backup.bytes.length);
    qx.HEAPU8.set(backup.bytes, pointer);
    let prepared;
    try { prepared = await awaitCall("qx_prepare_restore", ["number", "number"], [pointer, backup.bytes.length]); } finally { qx._free(pointer); }
    const replace = await decide(prepared, "Restore", "Restore");
    if (replace === null) return;
    setStatus("Restoring...");
    changing = {kind: "restore", source: backup.name, lock: radioLockName()};
    const restored = await awaitCall("qx_finish", ["number"], [replace ? 1 : 0]).finally(() => { changing = null; });
    showKept(restored.backup, "The radio's contents before the restore were saved in this browser as %1.");
    if (restored.code === 0) {
      forgetChange();
      return setStatus("Restore OK.", true);
    }
    setStatus(restored.code === 1 ? "User Cancel." : "Restore Error.", true);
    if (restored.code !== 1 || restored.sent) {
      await box("Restore Error", finishFailure(restored, "The radio may now hold part of the backup. Restore it again to finish.",
                                               "The radio's contents before the restore were saved in this browser as %1."));
    }
    forgetChange();
  }

  // Leaving the page while a command runs would leave the radio partly written, and leaving
  // loses edits no file holds: the browser asks first.
  window.addEventListener("beforeunload", (event) => {
    if (!busy && !(doc && doc.modified && !untouched)) return;
    event.preventDefault();
    event.returnValue = "";
  });

  // --- start -----------------------------------------------------------------------------------
  // The dealer's controls stay folded away until someone opens them, and then stay open.
  const advancedKey = "qx720-clone.advanced-open";
  try { $("advanced").open = localStorage.getItem(advancedKey) === "1"; } catch (error) { /* no storage: closed */ }
  $("advanced").addEventListener("toggle", () => {
    try { localStorage.setItem(advancedKey, $("advanced").open ? "1" : "0"); } catch (error) { /* kept for this visit */ }
  });
  const sets = json(call("qx_private_sets"));
  $("default-set").replaceChildren(...sets.map((name, index) => new Option(name, index)));
  $("default-set").value = sets.length - 1;  // "None", as the wizard starts
  render();
  updateCloneUi();
  refreshBackups();
  if (!navigator.hid) {
    notice(tr("This browser cannot reach USB devices (it has no WebHID). Open this file in Chrome, Edge, Opera or " +
              "Brave on a desktop computer, or use the desktop program QX720Clone. \"Virtual radio\" works here too."));
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
  await showInterrupted();
  await storageAnswer;  // what the browser keeps is said before the page is ready to write

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
