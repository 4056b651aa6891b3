// The functions the C++ side of the browser backend calls; the page's state is in page.js.
mergeInto(LibraryManager.library, {
  page_add_face: function(userInterfaceOnly, pointer, length) {
    var face = '"' + Page.text(pointer, length) + '", ';
    Page.uiFaces += face;
    if (!userInterfaceOnly)
      Page.gothicFaces += face;
  },
  page_start: function() {
    Page.gothicFaces += 'sans-serif';
    Page.uiFaces += 'sans-serif';
    Page.start();
  },
  page_set_waiting: function(waiting) {
    Page.waiting = !!waiting;
  },
  page_take_event: function(kind, a, b) {
    var event = Page.queue.shift();
    if (!event)
      return 0;
    HEAP32[kind >> 2] = event[0];
    HEAP32[a >> 2] = event[1];
    HEAP32[b >> 2] = event[2];
    return 1;
  },
  page_has_event: function() {
    return Page.queue.length > 0;
  },
  page_address_length: function() {
    return Page.address().length;
  },
  page_copy_address: function(pointer) {
    var text = Page.address();
    for (var i = 0; i < text.length; ++i)
      HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
  },
  // replaceState fires no hashchange: the page is not opened anew.
  page_keep_problem: function(pointer, length) {
    var text = Page.text(pointer, length);
    history.replaceState(history.state, '', Page.address() + (text ? '#' + text : ''));
  },
  page_copy_to_clipboard: function(pointer, length) {
    Page.copy(Page.text(pointer, length));
  },
  page_end: function(pointer, length) {
    Page.ended = true;
    Page.queue = [];
    document.removeEventListener('keydown', Page.onKey, true);
    Page.windows.forEach(function(win) {
      if (win && win.frame.parentNode)
        win.frame.parentNode.removeChild(win.frame);
      if (win && win.overlay && win.overlay.parentNode)
        win.overlay.parentNode.removeChild(win.overlay);
    });
    Page.closeMenu();
    Page.elements = [null];
    var ending = document.getElementById('tavilo-ended');
    ending.style.font = Page.font(1, 24, 0);
    var error = Page.text(pointer, length);
    if (error) {
      var report = document.createElement('p');
      report.className = 'tavilo-error';
      report.textContent = error;
      ending.insertBefore(report, ending.firstChild);
    }
    ending.hidden = false;
  },

  page_opening_text_length: function() {
    return Page.openingText.length;
  },
  page_copy_opening_text: function(pointer) {
    var text = Page.openingText;
    for (var i = 0; i < text.length; ++i)
      HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
  },
  page_show_message: function(pointer, length) {
    window.alert(Page.text(pointer, length));
  },

  window_create: function() {
    return Page.makeWindow();
  },
  window_destroy: function(index) {
    var win = Page.windows[index];
    if (Page.modal === index)
      Page.hideModal(index);
    if (index > 0 && win) {
      win.frame.parentNode.removeChild(win.frame);
      win.overlay.parentNode.removeChild(win.overlay);
    }
    Page.windows[index] = null;
  },
  window_adopt: function(index, id) {
    Page.windows[index].root.appendChild(Page.elements[id]);
  },
  window_set_caption: function(index, pointer, length) {
    var caption = Page.text(pointer, length);
    if (index === 0) {
      document.title = caption;
    } else {
      Page.windows[index].title.textContent = caption;
      Page.windows[index].title.style.font = Page.font(0, 13, 0);
      Page.windows[index].frame.setAttribute('aria-label', caption);
    }
  },
  window_set_client_size: function(index, width, height) {
    var win = Page.windows[index];
    win.clientWidth = width;
    win.clientHeight = height;
    if (index === 0) {
      Page.clientWidth = width;
      Page.clientHeight = height;
    }
    win.root.style.width = width + 'px';
    win.root.style.height = height + 'px';
    Page.fit();
  },
  window_set_back_color: function(index, pixel) {
    Page.windows[index].root.style.backgroundColor = Page.rgb(pixel);
  },
  window_set_font: function(index, gothic, pixelSize, bold) {
    Page.windows[index].root.style.font = Page.font(gothic, pixelSize, bold);
  },
  window_show_modal: function(index) {
    Page.showModal(index);
  },
  window_hide: function(index) {
    Page.hideModal(index);
  },
  window_set_context_menu: function(index, pointer, length) {
    var items = Page.text(pointer, length).split('\n');
    items.pop();
    Page.windows[index].menu = items;
  },
  window_announce: function(pointer, length) {
    // A fresh text node is announced even when the text is the same as the last one.
    var region = Page.liveRegion;
    region.textContent = '';
    region.appendChild(document.createTextNode(Page.text(pointer, length)));
  },

  control_create: function(kind) {
    var element;
    switch (kind) {
    case Page.elementKinds.button:
      element = document.createElement('button');
      element.type = 'button';
      element.className = 'tavilo-button';
      element.addEventListener('click', function() { Page.post(Page.events.click, id, 0); });
      break;
    case Page.elementKinds.checkBox:
      element = document.createElement('input');
      element.type = 'checkbox';
      element.className = 'tavilo-check';
      element.addEventListener('click', function() { Page.post(Page.events.click, id, 0); });
      break;
    case Page.elementKinds.textBox:
      element = document.createElement('input');
      element.type = 'text';
      element.className = 'tavilo-text';
      element.spellcheck = false;
      element.autocomplete = 'off';
      element.addEventListener('input', function() { Page.post(Page.events.change, id, 0); });
      break;
    case Page.elementKinds.comboBox:
      element = Page.makeCombo(function() { Page.post(Page.events.change, id, 0); });
      break;
    case Page.elementKinds.label:
      element = document.createElement('div');
      element.className = 'tavilo-label';
      break;
    case Page.elementKinds.surface:
      element = Page.makeSurface();
      break;
    case Page.elementKinds.linkCode:
      element = document.createElement('canvas');
      element.className = 'tavilo-code';
      element.setAttribute('role', 'img');
      break;
    }
    var id = Page.add(element);
    return id;
  },
  control_set_geometry: function(id, left, top, width, height) {
    var element = Page.elements[id];
    var style = element.style;
    // A check box's square stands at the left of its box, centred in its height, as on the
    // desktop.
    if (element.type === 'checkbox') {
      top += Math.floor((height - 14) / 2);
      height = 14;
      width = 14;
    }
    style.left = left + 'px';
    style.top = top + 'px';
    style.width = width + 'px';
    style.height = height + 'px';
    if (element.tavilo_code)
      Page.drawCode(element);
  },
  control_set_enabled: function(id, enabled) {
    var element = Page.elements[id];
    var field = element.tavilo_field || element;
    field.disabled = !enabled;
    if (element.tavilo_field)
      element.classList.toggle('tavilo-disabled', !enabled);
  },
  control_set_font: function(id, gothic, pixelSize, bold) {
    var element = Page.elements[id];
    (element.tavilo_field || element).style.font = Page.font(gothic, pixelSize, bold);
  },
  control_has_focus: function(id) {
    var element = Page.elements[id];
    return document.activeElement === (element.tavilo_field || element);
  },
  control_set_focus: function(id) {
    var element = Page.elements[id];
    (element.tavilo_field || element).focus({preventScroll: true});
  },
  control_set_accessible_name: function(id, pointer, length) {
    var element = Page.elements[id];
    (element.tavilo_field || element).setAttribute('aria-label', Page.text(pointer, length));
  },
  // Tab follows the document's order: the element moves in among the others to its place in the
  // window's order, before the first one that comes later. A positive tabIndex would do the same
  // but takes the controls out of the order screen readers and browsers expect.
  control_set_tab_index: function(id, index) {
    var element = Page.elements[id];
    (element.tavilo_field || element).tabIndex = 0;
    element.tavilo_tab_order = index;
    var root = element.parentNode;
    var later = Array.prototype.find.call(root.children, function(other) {
      return other !== element && other.tavilo_tab_order > index;
    });
    root.insertBefore(element, later || null);
  },
  control_set_text: function(id, pointer, length) {
    var element = Page.elements[id];
    var text = Page.text(pointer, length);
    if (element.tavilo_field)
      element.tavilo_field.value = text;
    else if (element.tagName === 'INPUT')
      element.value = text;
    else
      element.textContent = text;
  },
  control_text_length: function(id) {
    return Page.textOf(Page.elements[id]).length;
  },
  control_copy_text: function(id, pointer) {
    var text = Page.textOf(Page.elements[id]);
    for (var i = 0; i < text.length; ++i)
      HEAPU16[(pointer >> 1) + i] = text.charCodeAt(i);
  },
  control_set_back_color: function(id, pixel) {
    Page.elements[id].style.backgroundColor = Page.rgb(pixel);
  },
  control_set_fore_color: function(id, pixel) {
    Page.elements[id].style.color = Page.rgb(pixel);
  },
  control_set_checked: function(id, checked) {
    var box = Page.elements[id];
    box.checked = checked === 1;
    box.indeterminate = checked === 2;
  },
  control_checked: function(id) {
    var box = Page.elements[id];
    return box.indeterminate ? 2 : box.checked ? 1 : 0;
  },
  combo_add_item: function(id, pointer, length) {
    Page.elements[id].tavilo_items.push(Page.text(pointer, length));
    Page.elements[id].tavilo_render();
  },
  combo_set_current: function(id, index) {
    Page.elements[id].tavilo_choose(index);
  },
  combo_set_list_only: function(id) {
    Page.elements[id].tavilo_list_only();
  },
  control_set_read_only: function(id, readOnly) {
    Page.elements[id].readOnly = !!readOnly;
  },
  link_code_set_text: function(id, pointer, length) {
    var canvas = Page.elements[id];
    canvas.tavilo_code = Page.text(pointer, length);
    Page.drawCode(canvas);
  },

  surface_device_scale: function(id) {
    return (window.devicePixelRatio || 1) * Page.fitScale(Page.windowOf(Page.elements[id]));
  },
  surface_describe: function(id, pointer, length) {
    Page.elements[id].setAttribute('aria-description', Page.text(pointer, length));
  },
  surface_resize: function(id, width, height, scale) {
    var surface = Page.elements[id];
    var canvas = surface.tavilo_canvas;
    canvas.width = Math.round(width * scale);
    canvas.height = Math.round(height * scale);
    canvas.style.width = width + 'px';
    canvas.style.height = height + 'px';
    surface.tavilo_context = canvas.getContext('2d');
  },
  // The surface as the program drew it: its pixels are put straight from the program's memory,
  // only the part that changed. The image over that memory is made again only when the memory or
  // the canvas moved.
  surface_write: function(id, pointer, left, top, width, height) {
    var surface = Page.elements[id];
    var canvas = surface.tavilo_canvas;
    var image = surface.tavilo_image;
    if (!image || image.data.buffer !== HEAPU8.buffer || surface.tavilo_pixels !== pointer ||
        image.width !== canvas.width || image.height !== canvas.height) {
      var bytes = new Uint8ClampedArray(HEAPU8.buffer, pointer, canvas.width * canvas.height * 4);
      image = new ImageData(bytes, canvas.width, canvas.height);
      surface.tavilo_image = image;
      surface.tavilo_pixels = pointer;
    }
    surface.tavilo_context.putImageData(image, 0, 0, left, top, width, height);
  },
  surface_pixel_width: function(id) {
    return Page.elements[id].tavilo_canvas.width;
  },
  surface_pixel_height: function(id) {
    return Page.elements[id].tavilo_canvas.height;
  },

  // One character at a time, each centred in its advance, on a canvas of its own.
  text_image: function(gothic, pixelSize, bold, pixel, scale, left, top, width, height,
                       characters, count, pointer) {
    if (!Page.lettering)
      Page.lettering = document.createElement('canvas').getContext('2d', {willReadFrequently: true});
    var context = Page.lettering;
    context.canvas.width = width;
    context.canvas.height = height;
    var font = Page.font(gothic, pixelSize, bold);
    context.font = font;
    context.fillStyle = Page.rgb(pixel);
    context.textBaseline = 'alphabetic';
    context.setTransform(scale, 0, 0, scale, left, top);
    var ascent = Page.metrics(gothic, pixelSize, bold).ascent;
    var placed = HEAPF64.subarray(characters >> 3, (characters >> 3) + 3 * count);
    for (var i = 0; i < count; ++i) {
      var character = String.fromCodePoint(placed[3 * i]);
      var natural = Page.advance(font, character);
      context.fillText(character, placed[3 * i + 1] + (placed[3 * i + 2] - natural) / 2, ascent);
    }
    HEAPU8.set(context.getImageData(0, 0, width, height).data, pointer);
  },

  text_advance: function(gothic, pixelSize, bold, code) {
    return Page.advance(Page.font(gothic, pixelSize, bold), String.fromCodePoint(code));
  },
  text_width: function(gothic, pixelSize, bold, pointer, length) {
    var context = Page.measuringContext();
    Page.useFont(context, Page.font(gothic, pixelSize, bold));
    return context.measureText(Page.text(pointer, length)).width;
  },
  text_line_height: function(gothic, pixelSize, bold) {
    var metrics = Page.metrics(gothic, pixelSize, bold);
    return Math.round(metrics.ascent) + Math.round(metrics.descent);
  },
});
