// The clone protocol's pauses (20 ms before each reply is read) while the page is hidden are
// timed by a worker. A browser slows the timers of a hidden page down, to one a second and
// later to one a minute, which would stretch a write to hours once the user looks at another
// tab; a worker's timer and its message are not held back. While the page is in view its own
// timer is the closer one (the worker's message costs about a millisecond a sentence), and it
// stands in wherever a browser refuses the worker.
Module.qxPause = (() => {
  const waiting = new Map();
  let next = 1;
  let worker = null;
  const fallBack = () => {
    worker = null;
    // Old JavaScript only: Emscripten's optimiser reads this file too.
    waiting.forEach((entry) => setTimeout(entry.wake, entry.ms));
    waiting.clear();
  };
  try {
    const code = "onmessage = (event) => setTimeout(() => postMessage(event.data.id), event.data.ms);";
    worker = new Worker(URL.createObjectURL(new Blob([code], {type: "text/javascript"})));
    worker.onmessage = (event) => {
      const entry = waiting.get(event.data);
      waiting.delete(event.data);
      if (entry) entry.wake();
    };
    worker.onerror = fallBack;
  } catch (error) {
    worker = null;
  }
  return (wake, ms) => {
    if (!worker || !document.hidden) return setTimeout(wake, ms);
    const id = next++;
    waiting.set(id, {wake, ms});
    worker.postMessage({id, ms});
  };
})();
