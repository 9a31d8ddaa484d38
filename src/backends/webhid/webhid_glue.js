// The JavaScript half of the WebHID backend: the devices this page was granted, numbered for
// the C++ side, each with its queue of input reports. Every wait here is bounded by the
// time-out the core passes.
Module.qxHid = (() => {
  const entries = new Map();  // number -> {device, queue, waiter, gone, error}
  const numbers = new WeakMap();
  let nextNumber = 1;
  const maxQueued = 64;

  function entryOf(device) {
    let number = numbers.get(device);
    if (number === undefined) {
      number = nextNumber++;
      numbers.set(device, number);
      entries.set(number, {device, queue: [], waiter: null, gone: false, error: "", listening: false});
    }
    return entries.get(number);
  }

  function numberOf(device) { entryOf(device); return numbers.get(device); }

  // A report's length as the capabilities give it: its items' bits, whole bytes, and the
  // report-ID byte.
  function reportLength(device, output) {
    let longest = 0;
    for (const collection of device.collections || []) {
      for (const report of (output ? collection.outputReports : collection.inputReports) || []) {
        let bits = 0;
        for (const item of report.items || []) bits += item.reportSize * item.reportCount;
        longest = Math.max(longest, Math.ceil(bits / 8) + 1);
      }
    }
    return longest;
  }

  function onInput(entry, event) {
    const bytes = new Uint8Array(event.data.byteLength + 1);
    bytes[0] = event.reportId;
    bytes.set(new Uint8Array(event.data.buffer, event.data.byteOffset, event.data.byteLength), 1);
    if (entry.waiter) {
      const wake = entry.waiter;
      entry.waiter = null;
      wake(bytes);
    } else if (entry.queue.length < maxQueued) {
      entry.queue.push(bytes);
    }
  }

  // Time-outs through the page's pause when it has one (a hidden page's own timers are slowed
  // down, which would hold a silent radio's time-out for minutes); they are not cancelled,
  // their callers look whether they still wait.
  function later(wake, ms) {
    if (Module.qxPause) Module.qxPause(wake, ms);
    else setTimeout(wake, ms);
  }

  function markGone(device) {
    const number = numbers.get(device);
    if (number === undefined) return;
    const entry = entries.get(number);
    entry.gone = true;
    entry.error = "the adaptor was unplugged";
    if (entry.waiter) {
      const wake = entry.waiter;
      entry.waiter = null;
      wake(2);
    }
  }

  if (typeof navigator !== "undefined" && navigator.hid) {
    navigator.hid.addEventListener("disconnect", (event) => markGone(event.device));
  }

  // Linux refuses a hidraw node the user may not open; elsewhere a refusal has other causes.
  const onLinux = typeof navigator !== "undefined" && /Linux/.test(navigator.userAgent) &&
                  !/Android|CrOS/.test(navigator.userAgent);

  return {
    listed: [],
    available() { return typeof navigator !== "undefined" && !!navigator.hid; },
    async enumerate() {
      if (!this.available()) return 0;
      const devices = await navigator.hid.getDevices();
      this.listed = devices.map((device) => ({number: numberOf(device), device}))
                        .filter((item) => !entries.get(item.number).gone);
      return this.listed.length;
    },
    listedInt(index, field) {
      const device = this.listed[index].device;
      switch (field) {
        case 0: return device.vendorId;
        case 1: return device.productId;
        case 2: return reportLength(device, false);
        default: return reportLength(device, true);
      }
    },
    listedText(index, field) {
      const device = this.listed[index].device;
      return field === 0 ? (device.productName || "") : "";
    },
    async open(number) {
      const entry = entries.get(number);
      if (!entry || entry.gone) return 1;
      try {
        if (!entry.device.opened) await entry.device.open();
      } catch (error) {
        entry.error = String(error && error.message || error);
        return onLinux ? 2 : 1;
      }
      if (!entry.listening) {
        entry.device.addEventListener("inputreport", (event) => onInput(entry, event));
        entry.listening = true;
      }
      entry.queue = [];
      entry.error = "";
      return 0;
    },
    present(number) {
      const entry = entries.get(number);
      return !!entry && !entry.gone && entry.device.opened;
    },
    deviceId(number, product) {
      const entry = entries.get(number);
      return entry ? (product ? entry.device.productId : entry.device.vendorId) : 0;
    },
    reportLength(number, output) {
      const entry = entries.get(number);
      return entry ? reportLength(entry.device, output) : 0;
    },
    async send(number, bytes, timeoutMs) {
      const entry = entries.get(number);
      if (!entry || entry.gone) return 2;
      const late = new Promise((resolve) => later(() => resolve(1), Math.max(timeoutMs, 1)));
      const sent = entry.device.sendReport(bytes[0], bytes.subarray(1)).then(() => 0, (error) => {
        entry.error = String(error && error.message || error);
        return 2;
      });
      return await Promise.race([sent, late]);
    },
    // A Uint8Array (report ID first), 1 for a time-out or 2 for a device that is gone.
    async receive(number, timeoutMs) {
      const entry = entries.get(number);
      if (!entry || entry.gone) return 2;
      if (entry.queue.length > 0) return entry.queue.shift();
      if (timeoutMs <= 0) return 1;
      return await new Promise((resolve) => {
        const waiter = (outcome) => resolve(outcome);
        entry.waiter = waiter;
        later(() => {
          if (entry.waiter !== waiter) return;  // answered, or another wait has begun
          entry.waiter = null;
          resolve(1);
        }, timeoutMs);
      });
    },
    discard(number) {
      const entry = entries.get(number);
      if (entry) entry.queue = [];
    },
    lastError(number) {
      const entry = entries.get(number);
      return entry ? entry.error : "";
    },
    // The browser's chooser, filtered to the clone adaptor; true when the user picked one.
    async request(vendorId, productId) {
      const chosen = await navigator.hid.requestDevice({filters: [{vendorId, productId}]});
      chosen.forEach(numberOf);
      return chosen.length > 0;
    },
  };
})();
