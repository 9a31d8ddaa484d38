// emscripten_sleep through the page's worker-timed pause (pause.js) rather than setTimeout,
// so that the core's waits keep their length in a hidden tab.
mergeInto(LibraryManager.library, {
  emscripten_sleep__deps: ["$Asyncify"],
  emscripten_sleep: function(ms) {
    Asyncify.handleSleep((wakeUp) => Module.qxPause(wakeUp, ms));
  },
});
