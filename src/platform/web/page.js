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
  elementKinds: {button: 0, checkBox: 1, textBox: 2, comboBox: 3, label: 4, surface: 5,
                 linkCode: 6},
  // The kinds of the events posted to the program: the same numbers as PageEvent::Kind in
  // eventrouter.h.
  events: {click: 0, keyDown: 1, rescale: 2, change: 3, menuChoice: 4},
  // The keys the program binds, and the number of every other key: the same numbers as PageKey
  // in page.h.
  keys: {PageDown: 0, PageUp: 1, F5: 2, Escape: 3, Enter: 4, ',': 5},
  otherKey: 6,
  // The program's windows by number (window_create): the page's own first, then panels, each
  // {root, frame, title, overlay, clientWidth, clientHeight, menu}.
  windows: [],
  // The number of the panel shown modal, or -1.
  modal: -1,
  // The open context menu's element, and the window it is of.
  menu: null,
  menuWindow: -1,
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
  address: function() {
    return location.href.split('#')[0];
  },
  add: function(element) {
    element.style.position = 'absolute';
    Page.root().appendChild(element);
    Page.elements.push(element);
    return Page.elements.length - 1;
  },
  // The window's fit to the viewport: uniform, centred; surfaces redraw at the device pixels.
  // A panel's frame adds its caption bar to its client area.
  frameHeight: function(win) {
    return win.clientHeight + (win.title ? Page.captionHeight : 0);
  },
  captionHeight: 24,
  fitScale: function(win) {
    win = win || Page.windows[0];
    if (!win || !win.clientWidth || !win.clientHeight)
      return 1;
    return Math.min(window.innerWidth / win.clientWidth, window.innerHeight / Page.frameHeight(win));
  },
  fit: function() {
    Page.windows.forEach(function(win) {
      if (!win || !win.clientWidth || !win.clientHeight)
        return;
      var scale = Page.fitScale(win);
      var left = (window.innerWidth - win.clientWidth * scale) / 2;
      var top = (window.innerHeight - Page.frameHeight(win) * scale) / 2;
      win.frame.style.transform = 'translate(' + left + 'px,' + top + 'px) scale(' + scale + ')';
    });
    Array.prototype.forEach.call(document.querySelectorAll('.tavilo-code'), Page.drawCode);
  },
  windowOf: function(element) {
    return Page.windows.find(function(win) { return win && win.root.contains(element); });
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
    // A key an input method takes while it composes (Enter to settle, Escape to drop the
    // conversion) is the input method's: it applies, cancels or stops nothing.
    if (Page.ended || Page.composing(event))
      return;
    if (Page.menu) {
      Page.menuKey(event);
      return;
    }
    if (event.key === 'ContextMenu' || event.key === 'F10' && event.shiftKey) {
      var focused = document.activeElement;
      var at = focused && focused !== document.body ? focused.getBoundingClientRect()
                                                      : {left: 0, top: 0};
      if (Page.openMenu(Page.modal >= 0 ? Page.modal : 0, at.left + 8, at.top + 8))
        event.preventDefault();
      return;
    }
    if (event.key === 'Tab' && Page.modal >= 0 && Page.keepTabInside(event))
      return;
    // An open list of choices takes its own Enter and Escape, which close it and do no more.
    if ((event.key === 'Enter' || event.key === 'Escape') && document.activeElement &&
        document.activeElement.getAttribute('aria-expanded') === 'true')
      return;
    // Enter is the setup panel's alone, and a comma only with Ctrl: elsewhere they stay the
    // focused control's, as they always were.
    var key = Page.keys[event.key];
    if (key === Page.keys.Enter && Page.modal < 0 || key === Page.keys[','] && !event.ctrlKey)
      key = undefined;
    var bindable = key !== undefined;
    var modified = event.shiftKey || event.ctrlKey || event.altKey || event.metaKey;
    // While a handler waits, a key the window can bind is held back from the page, since F5
    // would reload it before the preview in the wait's dispatch could take it. A key whose
    // handling starts a wait was taken: the preview pressed a button with it.
    var wasWaiting = Page.waiting;
    var controlOnly = event.ctrlKey && !event.shiftKey && !event.altKey && !event.metaKey;
    var taken = Page.post(Page.events.keyDown, bindable ? key : Page.otherKey,
                          (modified ? 1 : 0) | (controlOnly ? 2 : 0));
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
Page.makeCombo = function(changed) {
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
        changed();
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
  field.addEventListener('input', changed);
  // A list-only box: its field shows the choice and opens the list, and takes no typing.
  combo.tavilo_list_only = function() {
    field.readOnly = true;
    field.addEventListener('mousedown', function(event) {
      event.preventDefault();
      if (field.disabled)
        return;
      field.focus();
      combo.tavilo_show(list.hidden);
    });
  };
  field.addEventListener('keydown', function(event) {
    if (Page.composing(event))
      return;
    var items = combo.tavilo_items;
    var at = items.indexOf(field.value);
    var from = at >= 0 ? at : combo.tavilo_current;
    if (event.key === 'ArrowDown' && event.altKey || event.key === 'F4') {
      combo.tavilo_show(list.hidden);
    } else if (event.key === 'ArrowDown') {
      combo.tavilo_choose(Math.min(from + 1, items.length - 1));
      changed();
    } else if (event.key === 'ArrowUp') {
      combo.tavilo_choose(Math.max(from - 1, 0));
      changed();
    } else if ((event.key === 'Enter' || event.key === 'Escape') && !list.hidden) {
      combo.tavilo_show(false);
    } else if (field.readOnly && Page.isCharacter(event)) {
      combo.tavilo_choose(Page.nextStartingWith(items, from, event.key));
      changed();
    } else {
      return;
    }
    event.preventDefault();
  });
  return combo;
};

// WebKit ends the composition before the keydown of the Enter that settles it, which then says
// only by its keyCode that the input method had it.
Page.composing = function(event) {
  return event.isComposing || event.keyCode === 229;
};
Page.isCharacter = function(event) {
  return event.key.length === 1 && !event.ctrlKey && !event.altKey && !event.metaKey;
};
// The first item after the one at `from` that starts with the character, round the list; `from`
// when there is none.
Page.nextStartingWith = function(items, from, character) {
  var wanted = character.toLowerCase();
  for (var step = 1; step <= items.length; ++step) {
    var at = (from + step) % items.length;
    if (items[at].charAt(0).toLowerCase() === wanted)
      return at;
  }
  return from;
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

// A window's root: the page's own for the first window; a panel with its caption bar over an
// overlay that takes every pointer event for each later one, hidden until shown.
Page.makeWindow = function() {
  var index = Page.windows.length;
  var win = {clientWidth: 0, clientHeight: 0, menu: []};
  if (index === 0) {
    win.root = Page.root();
    win.frame = win.root;
  } else {
    win.overlay = document.createElement('div');
    win.overlay.className = 'tavilo-overlay';
    win.overlay.hidden = true;
    win.frame = document.createElement('div');
    win.frame.className = 'tavilo-panel';
    win.frame.setAttribute('role', 'dialog');
    win.frame.setAttribute('aria-modal', 'true');
    win.frame.hidden = true;
    win.title = document.createElement('div');
    win.title.className = 'tavilo-caption';
    win.title.setAttribute('aria-hidden', 'true');
    win.root = document.createElement('div');
    win.root.className = 'tavilo-client';
    win.frame.appendChild(win.title);
    win.frame.appendChild(win.root);
    var main = Page.root().parentNode;
    main.appendChild(win.overlay);
    main.appendChild(win.frame);
  }
  Page.listenForMenu(win.root, index);
  Page.windows.push(win);
  return index;
};

// The owner below is inert: no pointer, no focus, nothing for a screen reader, until hidden.
Page.showModal = function(index) {
  var win = Page.windows[index];
  Page.windows.forEach(function(other, at) {
    if (other && at !== index)
      other.frame.inert = true;
  });
  win.overlay.hidden = false;
  win.frame.hidden = false;
  Page.modal = index;
  Page.fit();
};

Page.hideModal = function(index) {
  var win = Page.windows[index];
  Page.closeMenu();
  win.overlay.hidden = true;
  win.frame.hidden = true;
  Page.windows.forEach(function(other) {
    if (other)
      other.frame.inert = false;
  });
  Page.modal = -1;
};

// Tab and Shift+Tab go round the panel's own controls, in its order.
Page.keepTabInside = function(event) {
  var root = Page.windows[Page.modal].root;
  var stops = Array.prototype.filter.call(
      root.querySelectorAll('input, button, [tabindex="0"]'),
      function(element) { return !element.disabled && element.tabIndex >= 0; });
  if (!stops.length)
    return false;
  var first = stops[0];
  var last = stops[stops.length - 1];
  var inside = root.contains(document.activeElement);
  var to = !inside ? first
           : event.shiftKey && document.activeElement === first ? last
           : !event.shiftKey && document.activeElement === last ? first : null;
  if (!to)
    return false;
  event.preventDefault();
  to.focus({preventScroll: true});
  return true;
};

// A right click, or a long press on a touch screen (which fires no contextmenu in some
// browsers), opens the window's menu where it happened.
Page.listenForMenu = function(root, index) {
  root.addEventListener('contextmenu', function(event) {
    if (Page.openMenu(index, event.clientX, event.clientY))
      event.preventDefault();
  });
  // A second finger, a move or a lift ends the press; a pinch or a swipe opens nothing.
  var press = null;
  var release = function() {
    if (press)
      clearTimeout(press.timer);
    var was = press;
    press = null;
    return was;
  };
  root.addEventListener('touchstart', function(event) {
    release();
    if (event.touches.length !== 1)
      return;
    var touch = event.touches[0];
    var started = {x: touch.clientX, y: touch.clientY, opened: false};
    started.timer = setTimeout(function() {
      started.opened = Page.openMenu(index, started.x, started.y);
    }, 500);
    press = started;
  }, {passive: true});
  root.addEventListener('touchmove', function(event) {
    var touch = event.touches[0];
    if (press && Math.hypot(touch.clientX - press.x, touch.clientY - press.y) > 10)
      release();
  }, {passive: true});
  root.addEventListener('touchcancel', release);
  root.addEventListener('touchend', function(event) {
    // The press that opened the menu is no tap on what lies under it.
    var ended = release();
    if (ended && ended.opened)
      event.preventDefault();
  });
};

Page.openMenu = function(index, x, y) {
  var win = Page.windows[index];
  if (Page.ended || !win || !win.menu.length || Page.modal >= 0 && Page.modal !== index)
    return false;
  Page.closeMenu();
  var menu = document.createElement('ul');
  menu.className = 'tavilo-menu';
  menu.setAttribute('role', 'menu');
  // As large as the window's own text at its fit, and never smaller than a finger's reading.
  menu.style.font = Page.font(0, Math.max(14, Math.round(12 * Page.fitScale(win))), 0);
  win.menu.forEach(function(text, item) {
    var entry = document.createElement('li');
    entry.setAttribute('role', 'menuitem');
    entry.tabIndex = -1;
    entry.textContent = text;
    entry.addEventListener('click', function() { Page.chooseMenuItem(item); });
    menu.appendChild(entry);
  });
  document.body.appendChild(menu);
  menu.style.left = Math.max(0, Math.min(x, window.innerWidth - menu.offsetWidth)) + 'px';
  menu.style.top = Math.max(0, Math.min(y, window.innerHeight - menu.offsetHeight)) + 'px';
  Page.menu = menu;
  Page.menuWindow = index;
  Page.menuReturn = document.activeElement;
  menu.firstChild.focus({preventScroll: true});
  // At once: the press that opened the menu has been dispatched already, and a timer could run
  // after the next click, which the browser puts ahead of timers.
  document.addEventListener('pointerdown', Page.outsideMenu, true);
  return true;
};

Page.outsideMenu = function(event) {
  if (Page.menu && !Page.menu.contains(event.target))
    Page.closeMenu();
};

Page.closeMenu = function() {
  if (!Page.menu)
    return;
  document.removeEventListener('pointerdown', Page.outsideMenu, true);
  Page.menu.parentNode.removeChild(Page.menu);
  Page.menu = null;
  if (Page.menuReturn && Page.menuReturn.focus)
    Page.menuReturn.focus({preventScroll: true});
};

Page.chooseMenuItem = function(item) {
  var index = Page.menuWindow;
  Page.closeMenu();
  Page.post(Page.events.menuChoice, index, item);
};

// The menu's own keys, which go no further: its Escape presses no ストップ.
Page.menuKey = function(event) {
  var entries = Array.prototype.slice.call(Page.menu.children);
  var at = entries.indexOf(document.activeElement);
  if (event.key === 'ArrowDown' || event.key === 'ArrowUp') {
    var step = event.key === 'ArrowDown' ? 1 : entries.length - 1;
    entries[(Math.max(at, 0) + step) % entries.length].focus({preventScroll: true});
  } else if (event.key === 'Enter' || event.key === ' ') {
    Page.chooseMenuItem(Math.max(at, 0));
  } else if (event.key === 'Escape' || event.key === 'Tab') {
    Page.closeMenu();
  } else {
    return;
  }
  event.preventDefault();
  event.stopPropagation();
};

Page.copy = function(text) {
  // The text area takes the focus to be copied from; the control that had it gets it back.
  var fallback = function() {
    var focused = document.activeElement;
    var area = document.createElement('textarea');
    area.value = text;
    area.className = 'tavilo-hidden';
    document.body.appendChild(area);
    area.select();
    document.execCommand('copy');
    document.body.removeChild(area);
    if (focused && focused.focus)
      focused.focus({preventScroll: true});
  };
  if (navigator.clipboard && navigator.clipboard.writeText)
    navigator.clipboard.writeText(text).catch(fallback);
  else
    fallback();
};

// The link's QR code (qrcode-generator, level M, the smallest version that holds it), drawn at
// the device pixels the code covers at its window's fit: each module a square of whole pixels,
// centred, with a quiet zone of at least four round it.
Page.drawCode = function(canvas) {
  var text = canvas.tavilo_code;
  var side = Math.min(parseFloat(canvas.style.width), parseFloat(canvas.style.height)) || 0;
  var pixels = Math.round(side * (window.devicePixelRatio || 1) *
                          Page.fitScale(Page.windowOf(canvas)));
  if (!text || !pixels) {
    canvas.width = canvas.height = 0;
    return;
  }
  var code = PagePackages.qrcode(0, 'M');
  code.addData(text, 'Byte');
  code.make();
  var count = code.getModuleCount();
  var cell = Math.max(1, Math.floor(pixels / (count + 8)));
  canvas.width = canvas.height = Math.max(pixels, (count + 8) * cell);
  var offset = Math.floor((canvas.width - count * cell) / 2);
  var context = canvas.getContext('2d');
  context.fillStyle = '#fff';
  context.fillRect(0, 0, canvas.width, canvas.height);
  context.fillStyle = '#000';
  for (var row = 0; row < count; ++row)
    for (var column = 0; column < count; ++column)
      if (code.isDark(row, column))
        context.fillRect(offset + column * cell, offset + row * cell, cell, cell);
};
