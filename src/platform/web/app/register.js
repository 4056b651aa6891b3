// The served app keeps itself for use offline (sw.js beside the page). Browsers allow a service
// worker only over https or from this computer itself; from a file, or over plain http from
// another computer, the page stays just the page.
(function() {
  var served = location.protocol === 'https:' ||
      location.protocol === 'http:' && window.isSecureContext;
  if (!served || !('serviceWorker' in navigator))
    return;
  window.addEventListener('load', function() {
    navigator.serviceWorker.register('sw.js');
    // Kept even when the device runs short of storage, and out of Safari's clean-up of sites
    // not visited for a week.
    if (navigator.storage && navigator.storage.persist)
      navigator.storage.persisted().then(function(kept) {
        return kept || navigator.storage.persist();
      });
  });
})();
