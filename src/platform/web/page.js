// The page's side of the browser backend: DOM controls, canvases, the event queue and the end of
// the program. The C++ side reaches each element by the number it was given when it was made.
var Page = {
  elements: [null],
  queue: [],
  waiting: false,
  ended: false,
  // The window's client size, from the program (window_set_client_size); none until it comes.
  clientWidth: 0,
  clientHeight: 0,
  // What control_create makes: the same numbers as ElementKind in page.h.
  elementKinds: {button: 0, checkBox: 1, textBox: 2, comboBox: 3, label: 4, surface: 5},
  // The kinds of the events posted to the program: the same numbers as PageEvent::Kind in
  // eventrouter.h.
  events: {click: 0, keyDown: 1, rescale: 2},
  // The keys the program binds, and the number of every other key: the same numbers as PageKey
  // in page.h.
  keys: {PageDown: 0, PageUp: 1, F5: 2, Escape: 3},
  otherKey: 4,
  liveRegion: null,
  // The part of the address from "#" on, the problem the page opens (opening.cpp).
  openingText: location.hash,
  // The CSS font families of the Gothic and of the user-interface face, made of the faces the
  // program adds (application.cpp).
  gothicFaces: '',
  uiFaces: '',
  measurer: null,
  text: function(pointer, length) {
    var units = HEAPU16.subarray(pointer >> 1, (pointer >> 1) + length);
    var text = '';
    for (var i = 0; i < units.length; i += 4096)
      text += String.fromCharCode.apply(null, units.subarray(i, i + 4096));
    return text;
  },
  rgb: function(pixel) {
    return 'rgb(' + (pixel >> 16 & 255) + ',' + (pixel >> 8 & 255) + ',' + (pixel & 255) + ')';
  },
  fonts: {},
  // The same string for the same font, so that a canvas compares it at a glance.
  font: function(gothic, pixelSize, bold) {
    var key = (gothic ? 'g' : 'u') + (bold ? 'b' : 'n') + pixelSize;
    var font = Page.fonts[key];
    if (font === undefined) {
      font = (bold ? 'bold ' : '') + pixelSize + 'px ' + (gothic ? Page.gothicFaces : Page.uiFaces);
      Page.fonts[key] = font;
    }
    return font;
  },
  root: function() {
    return document.getElementById('tavilo-window');
  },
  add: function(element) {
    element.style.position = 'absolute';
    Page.root().appendChild(element);
    Page.elements.push(element);
    return Page.elements.length - 1;
  },
  // The window's fit to the viewport: uniform, centred; surfaces redraw at the device pixels.
  fitScale: function() {
    if (!Page.clientWidth || !Page.clientHeight)
      return 1;
    return Math.min(window.innerWidth / Page.clientWidth, window.innerHeight / Page.clientHeight);
  },
  fit: function() {
    if (!Page.clientWidth || !Page.clientHeight)
      return;
    var scale = Page.fitScale();
    var left = (window.innerWidth - Page.clientWidth * scale) / 2;
    var top = (window.innerHeight - Page.clientHeight * scale) / 2;
    Page.root().style.transform =
        'translate(' + left + 'px,' + top + 'px) scale(' + scale + ')';
  },
  // While a handler waits, nothing calls into the program: the wait's dispatch runs the queue.
  post: function(kind, a, b) {
    if (Page.ended)
      return 0;
    if (Page.waiting) {
      Page.queue.push([kind, a, b]);
      return 0;
    }
    try {
      return Module['_tavilo_handle'](kind, a, b);
    } catch (error) {
      // The end of the program unwinds to the page; that is no error of the page.
      if (error !== 'unwind')
        throw error;
      return 1;
    }
  },
  onKey: function(event) {
    if (Page.ended)
      return;
    var key = Page.keys[event.key];
    var bindable = key !== undefined;
    var modified = event.shiftKey || event.ctrlKey || event.altKey || event.metaKey;
    // While a handler waits, a key the window can bind is held back from the page, since F5
    // would reload it before the preview in the wait's dispatch could take it. A key whose
    // handling starts a wait was taken: the preview pressed a button with it.
    var wasWaiting = Page.waiting;
    var taken = Page.post(Page.events.keyDown, bindable ? key : Page.otherKey, modified ? 1 : 0);
    if (wasWaiting ? bindable && !modified : taken || Page.waiting) {
      event.preventDefault();
      event.stopPropagation();
    }
  },
  onResize: function() {
    if (Page.ended)
      return;
    Page.fit();
    Page.post(Page.events.rescale, 0, 0);
  },
  start: function() {
    // The problem is read once, at the start: a link that changes only the part after "#" opens
    // the page anew, so that its problem is the one shown.
    window.addEventListener('hashchange', function() { location.reload(); });
    Page.liveRegion = document.getElementById('tavilo-announcement');
    document.addEventListener('keydown', Page.onKey, true);
    window.addEventListener('resize', Page.onResize);
    if (window.matchMedia)
      Page.watchPixelRatio();
    Page.fit();
  },
  watchPixelRatio: function() {
    var query = window.matchMedia('(resolution: ' + window.devicePixelRatio + 'dppx)');
    var changed = function() {
      query.removeEventListener('change', changed);
      Page.watchPixelRatio();
      Page.onResize();
    };
    query.addEventListener('change', changed);
  },
};

Page.textOf = function(element) {
  if (element.tavilo_field)
    return element.tavilo_field.value;
  return element.tagName === 'INPUT' ? element.value : element.textContent;
};
Page.measuringContext = function() {
  if (!Page.measurer)
    Page.measurer = document.createElement('canvas').getContext('2d');
  return Page.measurer;
};
// Setting a canvas's font parses it, and the graph paper's text is drawn a character at a time.
Page.useFont = function(context, font) {
  if (context.tavilo_font === font)
    return;
  context.font = font;
  context.tavilo_font = font;
};
Page.advances = {};
Page.advance = function(font, character) {
  var key = font + '\n' + character;
  var known = Page.advances[key];
  if (known === undefined) {
    var context = Page.measuringContext();
    Page.useFont(context, font);
    known = context.measureText(character).width;
    Page.advances[key] = known;
  }
  return known;
};
Page.metricsCache = {};
Page.metrics = function(gothic, pixelSize, bold) {
  var font = Page.font(gothic, pixelSize, bold);
  var cached = Page.metricsCache[font];
  if (cached)
    return cached;
  var context = Page.measuringContext();
  Page.useFont(context, font);
  var measured = context.measureText('Ｈ');
  cached = {ascent: measured.fontBoundingBoxAscent, descent: measured.fontBoundingBoxDescent};
  Page.metricsCache[font] = cached;
  return cached;
};
Page.makeSurface = function() {
  var surface = document.createElement('div');
  surface.className = 'tavilo-surface';
  surface.setAttribute('role', 'img');
  // The program draws the image and the lightweight controls over it; the canvas shows the result.
  surface.tavilo_canvas = document.createElement('canvas');
  surface.tavilo_canvas.setAttribute('aria-hidden', 'true');
  surface.appendChild(surface.tavilo_canvas);
  return surface;
};
// An edit field with a list of choices beside it: what is typed stays as typed.
Page.makeCombo = function() {
  var combo = document.createElement('div');
  combo.className = 'tavilo-combo';
  var field = document.createElement('input');
  field.type = 'text';
  field.spellcheck = false;
  field.autocomplete = 'off';
  field.setAttribute('role', 'combobox');
  field.setAttribute('aria-autocomplete', 'none');
  field.setAttribute('aria-expanded', 'false');
  var opener = document.createElement('span');
  opener.className = 'tavilo-combo-button';
  opener.setAttribute('aria-hidden', 'true');
  var list = document.createElement('ul');
  list.className = 'tavilo-combo-list';
  list.setAttribute('role', 'listbox');
  list.id = 'tavilo-list-' + Page.elements.length;
  list.style.font = Page.font(1, 13, 0);
  list.hidden = true;
  field.setAttribute('aria-controls', list.id);
  combo.appendChild(field);
  combo.appendChild(opener);
  combo.appendChild(list);
  combo.tavilo_field = field;
  combo.tavilo_items = [];
  combo.tavilo_current = -1;
  combo.tavilo_render = function() {
    list.textContent = '';
    combo.tavilo_items.forEach(function(item, index) {
      var option = document.createElement('li');
      option.setAttribute('role', 'option');
      option.textContent = item;
      option.addEventListener('mousedown', function(event) {
        event.preventDefault();
        combo.tavilo_choose(index);
        combo.tavilo_show(false);
      });
      list.appendChild(option);
    });
  };
  combo.tavilo_choose = function(index) {
    if (index < 0 || index >= combo.tavilo_items.length)
      return;
    combo.tavilo_current = index;
    field.value = combo.tavilo_items[index];
    Array.prototype.forEach.call(list.children, function(option, at) {
      option.setAttribute('aria-selected', at === index ? 'true' : 'false');
    });
  };
  combo.tavilo_show = function(shown) {
    list.hidden = !shown;
    field.setAttribute('aria-expanded', shown ? 'true' : 'false');
  };
  opener.addEventListener('mousedown', function(event) {
    event.preventDefault();
    if (field.disabled)
      return;
    field.focus();
    combo.tavilo_show(list.hidden);
  });
  field.addEventListener('blur', function() { combo.tavilo_show(false); });
  field.addEventListener('keydown', function(event) {
    var items = combo.tavilo_items;
    var at = items.indexOf(field.value);
    var from = at >= 0 ? at : combo.tavilo_current;
    if (event.key === 'ArrowDown' && event.altKey || event.key === 'F4') {
      combo.tavilo_show(list.hidden);
    } else if (event.key === 'ArrowDown') {
      combo.tavilo_choose(Math.min(from + 1, items.length - 1));
    } else if (event.key === 'ArrowUp') {
      combo.tavilo_choose(Math.max(from - 1, 0));
    } else if (event.key === 'Enter' && !list.hidden) {
      combo.tavilo_show(false);
    } else {
      return;
    }
    event.preventDefault();
  });
  return combo;
};

// The program, deflated into #tavilo-program when the page was made (packprogram.mjs). Inflated
// here, then let go of: the page keeps only the compiled module.
Module['instantiateWasm'] = function(imports, receiveInstance) {
  var holder = document.getElementById('tavilo-program');
  var text = atob(holder.textContent);
  holder.remove();
  var packed = new Uint8Array(text.length);
  for (var i = 0; i < text.length; ++i)
    packed[i] = text.charCodeAt(i);
  WebAssembly.instantiate(PagePackages.inflateSync(packed), imports).then(function(result) {
    receiveInstance(result.instance, result.module);
  }, abort);
  return {};
};
