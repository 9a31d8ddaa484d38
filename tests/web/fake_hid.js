// A fake navigator.hid for the browser tests, put into the page before its own scripts run.
// It presents one clone adaptor whose reports go to the virtual radio (fake_radio.cpp built
// to WebAssembly) and come back after the radio's reply delay, so the page's own WebHID code
// runs unchanged. The test steers it through window.qxFake.
function qxInstallFakeHid(options, wasmBase64) {
  const radioReady = createFakeRadio({wasmBinary: Uint8Array.from(atob(wasmBase64), (c) => c.charCodeAt(0))});
  const hid = new EventTarget();
  const reportBytes = 64;

  class FakeDevice extends EventTarget {
    constructor() {
      super();
      this.vendorId = options.vendorId ?? 0x0483;
      this.productId = options.productId ?? 0x5750;
      this.productName = "QX720 clone adaptor (test)";
      const report = [{reportId: 0, items: [{reportSize: 8, reportCount: reportBytes}]}];
      this.collections = [{usagePage: 0xff00, usage: 1, inputReports: report, outputReports: report, featureReports: []}];
      this.opened = false;
      this.gone = false;
    }
    async open() {
      if (this.gone) throw new DOMException("The device was disconnected.", "NotFoundError");
      if (options.openFails) throw new DOMException("Failed to open the device.", "NotAllowedError");
      this.opened = true;
    }
    async close() { this.opened = false; }
    async sendReport(reportId, data) {
      if (this.gone || !this.opened) throw new DOMException("The device must be opened first.", "InvalidStateError");
      const radio = await radioReady;
      const bytes = new Uint8Array(data.buffer ? data.buffer.slice(data.byteOffset, data.byteOffset + data.byteLength) : data);
      fake.sentences += 1;
      fake.lastReportLength = bytes.length;
      const command = radio._malloc(32), reply = radio._malloc(32);
      radio.HEAPU8.set(bytes.subarray(0, 32), command);
      const answered = radio._qx_fake_respond(command, reply);
      const answer = new Uint8Array(reportBytes);
      answer.set(radio.HEAPU8.subarray(reply, reply + 32));
      radio._free(command);
      radio._free(reply);
      if (fake.unplugAfter >= 0 && fake.sentences >= fake.unplugAfter) {
        fake.unplug();
        return;
      }
      if (!answered || (fake.silentAfter >= 0 && fake.sentences > fake.silentAfter)) return;
      setTimeout(() => {
        if (this.gone) return;
        const event = new Event("inputreport");
        Object.assign(event, {device: this, reportId: 0, data: new DataView(answer.buffer)});
        this.dispatchEvent(event);
      }, fake.replyDelayMs);
    }
  }

  let device = new FakeDevice();
  let granted = !!options.granted;
  hid.getDevices = async () => (granted && !device.gone ? [device] : []);
  hid.requestDevice = async ({filters}) => {
    const fits = filters.some((f) => f.vendorId === device.vendorId && f.productId === device.productId);
    if (!fits || device.gone) return [];
    granted = true;
    return [device];
  };

  const fake = {
    sentences: 0,
    lastReportLength: 0,
    unplugAfter: -1,
    silentAfter: -1,  // answers this many sentences, then hears nothing
    replyDelayMs: options.replyDelayMs ?? 5,
    ready: radioReady,
    unplug() {
      device.gone = true;
      device.opened = false;
      const event = new Event("disconnect");
      event.device = device;
      hid.dispatchEvent(event);
    },
    // Plugged in again: the browser gives a new device object, already granted.
    plug() {
      device = new FakeDevice();
      fake.unplugAfter = -1;
      const event = new Event("connect");
      event.device = device;
      hid.dispatchEvent(event);
    },
    async eeprom() {
      const radio = await radioReady;
      const pointer = radio._qx_fake_eeprom();
      return Array.from(radio.HEAPU8.subarray(pointer, pointer + 8192));
    },
    async setEeprom(bytes) {
      const radio = await radioReady;
      const pointer = radio._malloc(8192);
      radio.HEAPU8.set(bytes, pointer);
      radio._qx_fake_set_eeprom(pointer);
      radio._free(pointer);
    },
    async loadRecord(bytes) {
      const radio = await radioReady;
      const pointer = radio._malloc(bytes.length);
      radio.HEAPU8.set(bytes, pointer);
      const ok = radio._qx_fake_load_record(pointer, bytes.length);
      radio._free(pointer);
      return ok === 1;
    },
    async mmsi() {
      const radio = await radioReady;
      return radio.UTF8ToString(radio._qx_fake_mmsi());
    },
  };
  window.qxFake = fake;
  Object.defineProperty(Navigator.prototype, "hid", {get: () => hid, configurable: true});
}
