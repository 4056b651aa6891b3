// The functions the C++ side of the browser backend calls; the page's state is in page.js.
mergeInto(LibraryManager.library, {
  page_start: function() {
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
  page_device_scale: function() {
    return (window.devicePixelRatio || 1) * Page.fitScale();
  },
  page_end: function(pointer, length) {
    Page.ended = true;
    Page.queue = [];
    document.removeEventListener('keydown', Page.onKey, true);
    var root = Page.root();
    root.parentNode.removeChild(root);
    Page.elements = [null];
    var ending = document.getElementById('tavilo-ended');
    var error = Page.text(pointer, length);
    if (error) {
      var report = document.createElement('p');
      report.className = 'tavilo-error';
      report.textContent = error;
      ending.insertBefore(report, ending.firstChild);
    }
    ending.hidden = false;
  },

  window_set_caption: function(pointer, length) {
    document.title = Page.text(pointer, length);
  },
  window_set_client_size: function(width, height) {
    Page.clientWidth = width;
    Page.clientHeight = height;
    var root = Page.root();
    root.style.width = width + 'px';
    root.style.height = height + 'px';
    Page.fit();
  },
  window_set_back_color: function(pixel) {
    Page.root().style.backgroundColor = Page.rgb(pixel);
  },
  window_set_font: function(gothic, pixelSize, bold) {
    Page.root().style.font = Page.font(gothic, pixelSize, bold);
  },
  window_set_key_preview: function() {
    Page.keyPreview = true;
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
    case 0:
      element = document.createElement('button');
      element.type = 'button';
      element.className = 'tavilo-button';
      element.addEventListener('click', function() { Page.post(0, id, 0); });
      break;
    case 1:
      element = document.createElement('input');
      element.type = 'checkbox';
      element.className = 'tavilo-check';
      element.addEventListener('click', function() { Page.post(0, id, 0); });
      break;
    case 2:
      element = document.createElement('input');
      element.type = 'text';
      element.className = 'tavilo-text';
      element.spellcheck = false;
      element.autocomplete = 'off';
      break;
    case 3:
      element = Page.makeCombo();
      break;
    case 4:
      element = document.createElement('div');
      element.className = 'tavilo-label';
      break;
    case 5:
      element = Page.makeSurface();
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
  control_set_tab_index: function(id, index) {
    var element = Page.elements[id];
    (element.tavilo_field || element).tabIndex = index;
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

  surface_describe: function(id, pointer, length) {
    Page.elements[id].setAttribute('aria-description', Page.text(pointer, length));
  },
  surface_resize: function(id, width, height, scale) {
    var surface = Page.elements[id];
    var pixelWidth = Math.round(width * scale);
    var pixelHeight = Math.round(height * scale);
    surface.tavilo_image.width = pixelWidth;
    surface.tavilo_image.height = pixelHeight;
    surface.tavilo_screen.width = pixelWidth;
    surface.tavilo_screen.height = pixelHeight;
    [surface.tavilo_image, surface.tavilo_screen].forEach(function(canvas) {
      canvas.style.width = width + 'px';
      canvas.style.height = height + 'px';
    });
    surface.tavilo_scale = scale;
    surface.tavilo_context = surface.tavilo_image.getContext('2d', {willReadFrequently: true});
    // A resized canvas has its context's state reset, its font included.
    surface.tavilo_context.tavilo_font = null;
    surface.tavilo_screen.getContext('2d').tavilo_font = null;
  },
  // Drawing on the kept image (target 0) or on the screen over it (target 1), in logical pixels.
  surface_fill: function(id, target, left, top, width, height, pixel) {
    var context = Page.context(id, target);
    context.fillStyle = Page.rgb(pixel);
    context.fillRect(left, top, width, height);
  },
  surface_line: function(id, target, x1, y1, x2, y2, pixel, width) {
    var context = Page.context(id, target);
    context.strokeStyle = Page.rgb(pixel);
    context.lineWidth = width;
    context.lineCap = 'round';
    context.lineJoin = 'round';
    context.beginPath();
    context.moveTo(x1, y1);
    context.lineTo(x2, y2);
    context.stroke();
  },
  surface_box: function(id, left, top, width, height, pixel, lineWidth, filled, fill) {
    var context = Page.context(id, 0);
    if (filled) {
      context.fillStyle = Page.rgb(fill);
      context.fillRect(left, top, width, height);
    }
    context.strokeStyle = Page.rgb(pixel);
    context.lineWidth = lineWidth;
    context.lineJoin = 'round';
    context.strokeRect(left, top, width, height);
  },
  surface_ellipse: function(id, left, top, width, height, fill, border) {
    var context = Page.context(id, 1);
    context.beginPath();
    context.ellipse(left + width / 2, top + height / 2, (width - 1) / 2, (height - 1) / 2, 0, 0,
                    2 * Math.PI);
    context.fillStyle = Page.rgb(fill);
    context.fill();
    context.strokeStyle = Page.rgb(border);
    context.lineWidth = 1;
    context.stroke();
  },
  // One character centred in its advance, on the text's baseline below top.
  surface_character: function(id, target, code, left, advance, top, gothic, pixelSize, bold,
                              pixel) {
    var context = Page.context(id, target);
    var font = Page.font(gothic, pixelSize, bold);
    Page.useFont(context, font);
    context.fillStyle = Page.rgb(pixel);
    context.textBaseline = 'alphabetic';
    var character = String.fromCodePoint(code);
    var natural = Page.advance(font, character);
    var ascent = Page.metrics(gothic, pixelSize, bold).ascent;
    context.fillText(character, left + (advance - natural) / 2, top + ascent);
  },
  surface_text: function(id, pointer, length, left, top, gothic, pixelSize, bold, pixel) {
    var context = Page.context(id, 1);
    Page.useFont(context, Page.font(gothic, pixelSize, bold));
    context.fillStyle = Page.rgb(pixel);
    context.textBaseline = 'alphabetic';
    context.fillText(Page.text(pointer, length), left,
                     top + Page.metrics(gothic, pixelSize, bold).ascent);
  },
  surface_present: function(id) {
    var surface = Page.elements[id];
    var screen = surface.tavilo_screen.getContext('2d');
    screen.setTransform(1, 0, 0, 1, 0, 0);
    screen.clearRect(0, 0, surface.tavilo_screen.width, surface.tavilo_screen.height);
  },
  // The kept image's pixels as 32-bit words, byte order R, G, B, A.
  surface_read: function(id, pointer) {
    var image = Page.elements[id].tavilo_image;
    var data = image.getContext('2d', {willReadFrequently: true})
                   .getImageData(0, 0, image.width, image.height).data;
    HEAPU8.set(data, pointer);
  },
  surface_write: function(id, pointer) {
    var image = Page.elements[id].tavilo_image;
    var length = image.width * image.height * 4;
    var pixels = new ImageData(new Uint8ClampedArray(HEAPU8.buffer, pointer, length).slice(),
                               image.width, image.height);
    image.getContext('2d', {willReadFrequently: true}).putImageData(pixels, 0, 0);
  },
  surface_pixel_width: function(id) {
    return Page.elements[id].tavilo_image.width;
  },
  surface_pixel_height: function(id) {
    return Page.elements[id].tavilo_image.height;
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
