// Browser glue for the game's SDL 1.2 calls: what emscripten's SDL (its
// library_sdl.js) leaves out or does differently from the desktop library.
// Linked with --js-library, so these definitions replace the built-in ones.

mergeInto(LibraryManager.library, {
  // Sleeps until the page has queued input for SDL. Waking on input alone
  // keeps an idle page at no wake-ups at all, where polling would spin.
  // Only runs while the queue is empty (see SDL_WaitEvent in platform.cpp).
  vantrel_wait_input__deps: ['$SDL', '$Asyncify', '$callUserCallback', '$VantrelInput', '$VantrelImages'],
  vantrel_wait_input__postset:
    // Every DOM event reaches SDL through SDL.receiveEvent, which SDL_Init
    // and SDL_SetVideoMode register as a listener: wrap it before they run.
    '(function() {' +
    '  var receive = SDL.receiveEvent;' +
    '  SDL.receiveEvent = function(event) {' +
    '    if (!VantrelInput.filter(event, receive)) receive(event);' +
    '    var wake = SDL.vantrelWake;' +
    '    if (wake && SDL.events.length > 0) {' +
    '      SDL.vantrelWake = null;' +
    '      callUserCallback(wake);' +
    '    }' +
    '  };' +
    '  var canvas = Module["canvas"];' +
    '  if (!canvas) return;' +
    '  canvas.addEventListener("touchcancel", SDL.receiveEvent, true);' +
    '  ["pointerdown", "pointerup", "pointermove"].forEach(function(type) {' +
    '    canvas.addEventListener(type, VantrelInput.notePointer, true);' +
    '  });' +
    '})();',
  vantrel_wait_input: function() {
    Asyncify.handleSleep(function(wakeUp) {
      if (SDL.events.length > 0) {
        wakeUp();
        return;
      }
      SDL.vantrelWake = wakeUp;
      // The screen is complete whenever the game waits: the page and its
      // tests count these moments. The first is the first frame: the
      // pictures it did not need download from then on.
      if (!SDL.vantrelDrawn) {
        SDL.vantrelDrawn = true;
        VantrelImages.fetchLater();
      }
      if (Module['onIdle']) Module['onIdle']();
    });
  },

  // What the page hands the game differs from emscripten's SDL in two ways.
  // Keys: only the game's own, and only while the game has the focus, so the
  // browser keeps F5, Ctrl+R, Ctrl+F, zoom and Tab. Touch: a finger is a
  // mouse press and release, both handed over when the finger lifts; a
  // touch the browser cancels (it took the gesture over), or one joined by
  // a second finger, never becomes a press. Mouse: at the position the
  // pointer event carries, to the fraction of a CSS pixel, where the mouse
  // event that follows it may carry whole pixels only (a game pixel apart
  // at a zoom of 200 %); moves are not handed over at all.
  $VantrelInput: {
    // The only key the game reads.
    gameKeys: ['Escape'],
    // The touch that may still become a tap: its id and where it began.
    pending: null,
    // The mouse's last pointer event.
    pointer: null,

    notePointer: function(event) {
      if (event.pointerType === 'mouse') VantrelInput.pointer = event;
    },

    // Handles the event itself and returns true, or returns false to leave
    // it to SDL.
    filter: function(event, receive) {
      switch (event.type) {
        case 'keydown': case 'keyup': case 'keypress':
          return !VantrelInput.gameHasFocus() || VantrelInput.gameKeys.indexOf(event.key) < 0;
        case 'touchstart': {
          event.preventDefault();  // no mouse events made up from it, no scroll
          var touch = event.changedTouches[0];
          VantrelInput.pending = event.touches.length === 1 && touch ?
            { id: touch.identifier, pageX: touch.pageX, pageY: touch.pageY } : null;
          return true;
        }
        case 'touchmove':
          event.preventDefault();
          return true;
        case 'touchend': {
          event.preventDefault();
          var start = VantrelInput.pending;
          var end = start && Array.prototype.find.call(event.changedTouches, function(t) {
            return t.identifier === start.id;
          });
          if (!end) return true;
          VantrelInput.pending = null;
          Module['canvas'].focus();
          receive(VantrelInput.mouse('mousedown', start.pageX, start.pageY));
          receive(VantrelInput.mouse('mouseup', end.pageX, end.pageY));
          return true;
        }
        case 'touchcancel':
          VantrelInput.pending = null;
          return true;
        case 'mousemove':
          // The game reads a button's place from the press and the
          // release: a move would only wake it, and have the page read the
          // unchanged screen again.
          return true;
        case 'mousedown': case 'mouseup': {
          // The pointer event of this same mouse event, unless the engine
          // sent none.
          var p = VantrelInput.pointer;
          if (!p || Math.abs(p.pageX - event.pageX) >= 1 || Math.abs(p.pageY - event.pageY) >= 1) return false;
          event.preventDefault();
          receive(VantrelInput.mouse(event.type, p.pageX, p.pageY, event.button));
          return true;
        }
      }
      return false;
    },

    mouse: function(type, pageX, pageY, button) {
      return { type: type, button: button || 0, pageX: pageX, pageY: pageY, preventDefault: function() {} };
    },

    // The canvas, or a control the page lays over it for the keyboard
    // (inside an element marked data-game-keys), has the focus.
    gameHasFocus: function() {
      var focus = document.activeElement;
      return focus === Module['canvas'] || !!(focus && focus.closest && focus.closest('[data-game-keys]'));
    },
  },

  // What the screen shows, for the page's access layer, which says it in
  // words: the game draws each picture and text whole with one blit, so the
  // blits onto the screen say what is where. Kept as {source, x, y, w, h}
  // in drawing order ('load:' and the picture's path, or 'text:' and the
  // text), less what a later blit covered whole.
  $VantrelScreen__deps: ['$SDL', '$VantrelInput'],
  $VantrelScreen__postset:
    'Module["screenDrawn"] = function() { return VantrelScreen.drawn; };' +
    'Module["clickGame"] = VantrelScreen.click;',
  $VantrelScreen: {
    drawn: [],

    record: function(source, x, y, w, h) {
      var kept = VantrelScreen.drawn.filter(function(d) {
        return d.x < x || d.y < y || d.x + d.w > x + w || d.y + d.h > y + h;
      });
      kept.push({source: source, x: x, y: y, w: w, h: h});
      VantrelScreen.drawn = kept;
    },

    // A press and a release at the centre of game pixel (x, y), as a mouse
    // click there would bring them.
    click: function(x, y) {
      var canvas = Module['canvas'];
      var box = canvas.getBoundingClientRect();
      var pageX = window.scrollX + box.left + (x + 0.5) * box.width / canvas.width;
      var pageY = window.scrollY + box.top + (y + 0.5) * box.height / canvas.height;
      SDL.receiveEvent(VantrelInput.mouse('mousedown', pageX, pageY));
      SDL.receiveEvent(VantrelInput.mouse('mouseup', pageX, pageY));
    },
  },

  // The packaged files are in memory and never change while the page
  // lives: what a name resolves to, and whether it is a regular file, are
  // looked up once. The game opens some thirty files per screen it draws.
  $VantrelFiles__deps: ['$FS', '$PATH_FS', '$VantrelImages'],
  $VantrelFiles: {
    paths: {},
    regular: {},

    resolve: function(name) {
      var path = VantrelFiles.paths[name];
      return path !== undefined ? path : (VantrelFiles.paths[name] = PATH_FS.resolve(name));
    },

    isRegular: function(name) {
      var path = VantrelFiles.resolve(name);
      var known = VantrelFiles.regular[path];
      if (known === undefined) {
        try {
          known = Object.prototype.hasOwnProperty.call(VantrelImages.placeList(), path) ||
                  FS.isFile(FS.stat(path).mode);
        } catch (e) {
          known = false;  // missing, or a path through a file
        }
        VantrelFiles.regular[path] = known;
      }
      return known;
    },
  },
  // Whether `path` names a regular file in the package (glue/data_file.cpp).
  vantrel_is_data_file__deps: ['$VantrelFiles'],
  vantrel_is_data_file: function(path) {
    return VantrelFiles.isRegular(UTF8ToString(path)) ? 1 : 0;
  },

  SDL_UpperBlit__deps: ['$SDL', '$VantrelScreen', '$VantrelImages'],
  SDL_UpperBlit: function(src, srcrect, dst, dstrect) {
    var from = SDL.surfaces[src];
    if (from && SDL.surfaces[dst] && SDL.surfaces[dst].usePageCanvas) {
      var at = dstrect ? SDL.loadRect(dstrect) : {x: 0, y: 0};
      VantrelScreen.record(from.source, at.x, at.y, from.width, from.height);
    }
    if (from && from.vantrelText) return VantrelImages.blitText(from, srcrect, SDL.surfaces[dst], dstrect);
    if (from && from.vantrelAt) srcrect = VantrelImages.placedRect(from, srcrect);
    return SDL.blitSurface(src, srcrect, dst, dstrect, false);
  },

  // emscripten's SDL record less what no function of it the game calls can
  // reach (sound, text width guesses, colour helpers, joystick names): a
  // first visit downloads every byte of the script.
  $SDL: (function() {
    var sdl = Object.assign({}, LibraryManager.library.$SDL);
    ['estimateTextWidth', 'makeFontString', 'allocateChannels', 'setGetVolume', 'setPannerPosition', 'playWebAudio',
     'pauseWebAudio', 'openAudioContext', 'webAudioAvailable', 'fillWebAudioBufferFromHeap', 'debugSurface',
     'loadColorToCSSRGBA', 'translateColorToCSSRGBA', 'translateRGBAToCSSRGBA', 'translateRGBAToColor',
     'copyIndexedColorData', 'joystickNamePool'].forEach(function(name) {
      if (!(name in sdl)) throw new Error('library_vantrel.js: emscripten\'s SDL no longer has ' + name);
      delete sdl[name];
    });
    return sdl;
  })(),

  // emscripten's SDL_Init also listens for 'unload', which keeps the page
  // out of the back/forward cache and is deprecated; the game has nothing to
  // do there. The built-in function, built without that listener.
  SDL_Init: (function() {
    var unload = 'window.addEventListener("unload", SDL.receiveEvent);';
    var source = LibraryManager.library.SDL_Init.toString();
    if (source.indexOf(unload) < 0) throw new Error('library_vantrel.js: SDL_Init no longer adds its unload listener');
    return eval('(' + source.replace(unload, '') + ')');
  })(),

  // The desktop library makes pixels of the key colour transparent; here it
  // is a no-op, which leaves a green square around every chip. Surfaces are
  // canvases, so the key pixels get alpha 0 once, when the key is set; a
  // loaded picture takes its keyed copy from VantrelImages, made once.
  // The pixels are read back through a canvas of its own, made for reading:
  // surfaces' canvases are made for drawing, and are reused for later
  // surfaces.
  $VantrelReadback: {
    ctx: null,

    // The surface's pixels.
    read: function(data) {
      if (!VantrelReadback.ctx) {
        VantrelReadback.ctx = document.createElement('canvas').getContext('2d', {willReadFrequently: true});
      }
      var ctx = VantrelReadback.ctx;
      ctx.canvas.width = data.width;
      ctx.canvas.height = data.height;
      ctx.globalCompositeOperation = 'copy';
      ctx.drawImage(data.canvas, 0, 0);
      return ctx.getImageData(0, 0, data.width, data.height);
    },
  },
  SDL_SetColorKey__deps: ['$SDL', '$VantrelImages'],
  SDL_SetColorKey: function(surf, flag, key) {
    var data = SDL.surfaces[surf];
    if (!data || !(flag & 0x00020000 /* SDL_SRCCOLORKEY */)) return 0;
    var kept = data.vantrelPicture;
    if (kept) {
      var keyed = kept.keyed[key];
      if (!keyed) {
        keyed = kept.keyed[key] = VantrelImages.cutOut(kept);
        VantrelImages.applyKey(keyed, VantrelImages.context(keyed), key);
      }
      data.canvas = keyed;
      data.ctx = VantrelImages.context(keyed);
      data.vantrelAt = null;
      return 0;
    }
    if (data.ctx) VantrelImages.applyKey(data.canvas, data.ctx, key);
    return 0;
  },

  // Slot 0 of SDL.rwops is a placeholder that keeps every real stream's id
  // above 0 (0 is the null stream). The built-in SDL_FreeRW trims trailing
  // empty slots down to nothing, after which the next stream gets id 0 and
  // the game takes it for a missing file.
  SDL_FreeRW__deps: ['$SDL'],
  SDL_FreeRW: function(rwopsID) {
    SDL.rwops[rwopsID] = null;
    while (SDL.rwops.length > 1 && SDL.rwops[SDL.rwops.length - 1] === null) {
      SDL.rwops.pop();
    }
  },

  // Bitmaps. The page ships the game's BMPs packed into a few lossless WebP
  // atlases, listed in /pictures.txt in the order the game first needs them:
  // the first inside the data package (its path there), the others beside
  // the page (their names), fetched once the first frame is drawn.
  // /places.txt has a line "name atlas x y width height" per bitmap, its
  // name as the game opens it ("image/….bmp"): one file, where a file per
  // bitmap cost the start more than the first frame's drawing. An atlas
  // is decoded by the browser when the game first loads a picture from it
  // (the load waits for it, and for its download: an Asyncify import); every
  // load of a picture is then a surface drawing from its place in the
  // decoded atlas, at once. The atlases live as long as the page: a new
  // build is a new page. A name without a place inside its atlas, or an
  // atlas that cannot be had or decoded, fails like an unreadable file.
  $VantrelImages__deps: ['$FS', '$SDL', '$VantrelReadback', 'malloc'],
  $VantrelImages: {
    index: '/pictures.txt',
    placesFile: '/places.txt',
    // {name, fetching, decoding, bitmap} each, once the index is read.
    atlases: null,
    // [atlas, x, y, width, height] by absolute path, once read.
    places: null,
    // Kept pictures by absolute path (see `kept` below).
    pictures: {},
    // Loads waiting for an atlas, and the page told of a long wait.
    waiting: 0,
    waitTimer: null,
    shownWaiting: false,
    // A wait longer than this shows the page's loading indication.
    WAIT_SHOWN_MS: 300,
    // Downloads are tried again after a failure, this many times in all.
    TRIES: 3,

    list: function() {
      if (!VantrelImages.atlases) {
        VantrelImages.atlases = FS.readFile(VantrelImages.index, {encoding: 'utf8'}).split('\n').filter(function(line) {
          return line;
        }).map(function(name) { return {name: name, fetching: null, decoding: null, bitmap: null}; });
      }
      return VantrelImages.atlases;
    },

    // The atlas' bytes: from the data package, or downloaded (once, tried
    // again after a failure).
    bytes: function(atlas) {
      if (atlas.name.charAt(0) === '/') return Promise.resolve(FS.readFile(atlas.name));
      if (!atlas.fetching) {
        var attempt = function(left) {
          return fetch(locateFile(atlas.name), {credentials: 'same-origin'}).then(function(response) {
            if (!response.ok) throw new Error(response.status + ' ' + atlas.name);
            return response.arrayBuffer();
          }).catch(function(e) {
            if (left <= 1) throw e;
            return new Promise(function(resolve) { setTimeout(resolve, 1000); }).then(function() {
              return attempt(left - 1);
            });
          });
        };
        atlas.fetching = attempt(VantrelImages.TRIES).catch(function(e) {
          atlas.fetching = null;  // a later load tries again
          throw e;
        });
      }
      return atlas.fetching;
    },

    // Downloads and decodes every atlas not in the package, in order of
    // need, in the background, and tells the page when they are all there
    // (or failed); called once the first frame is drawn. Decoded as they
    // arrive, they cost a later tap nothing (a load that finds its atlas
    // still on its way waits for it).
    fetchLater: function() {
      var chain = Promise.resolve();
      var atlases;
      try {
        atlases = VantrelImages.list();
      } catch (e) {
        return;  // no index: every load fails as a missing file does
      }
      atlases.forEach(function(atlas) {
        if (atlas.name.charAt(0) === '/') return;
        chain = chain.then(function() { return VantrelImages.load(atlas); }).catch(function() {});
      });
      // The page waits for this to register its service worker, which then
      // takes the atlases from the browser's cache instead of downloading
      // them a second time.
      chain.then(function() {
        if (Module['onPicturesFetched']) Module['onPicturesFetched']();
      });
    },

    // The page's own decode (Module.decodePicture), the same for every
    // picture.
    decode: function(bytes) {
      return Module['decodePicture'](bytes);
    },

    // The atlas decoded, from its first use on.
    load: function(atlas) {
      if (!atlas.decoding) {
        // The page may have begun the decode as the data package arrived.
        var early = Module['earlyPictures'] && Module['earlyPictures'][atlas.name];
        if (early) Module['earlyPictures'][atlas.name] = null;  // a failed decode is tried again from the bytes
        var decoding = early || VantrelImages.bytes(atlas).then(VantrelImages.decode);
        atlas.decoding = decoding.then(function(bitmap) {
          atlas.bitmap = bitmap;
          return bitmap;
        }, function(e) {
          atlas.decoding = null;
          throw e;
        });
      }
      return atlas.decoding;
    },

    // The places by absolute path; throws when there is no places file.
    placeList: function() {
      if (!VantrelImages.places) {
        var places = {};
        FS.readFile(VantrelImages.placesFile, {encoding: 'utf8'}).split('\n').forEach(function(line) {
          var m = /^(\S+) (\d+) (\d+) (\d+) (\d+) (\d+)$/.exec(line);
          if (m) places['/' + m[1]] = [+m[2], +m[3], +m[4], +m[5], +m[6]];
        });
        VantrelImages.places = places;
      }
      return VantrelImages.places;
    },

    // {atlas, x, y, width, height} of the bitmap at the absolute `path`, or
    // null; throws when there is no such bitmap.
    place: function(path) {
      var p = VantrelImages.placeList()[path];
      if (!p) throw new Error('no picture ' + path);
      var atlases = VantrelImages.list();
      if (p[0] >= atlases.length || p[3] === 0 || p[4] === 0) return null;
      return {atlas: atlases[p[0]], x: p[1], y: p[2], width: p[3], height: p[4]};
    },


    // A canvas' 2D context, asked of the browser once: every load of a kept
    // picture makes a surface of it again.
    context: function(canvas) {
      return canvas.vantrelContext || (canvas.vantrelContext = canvas.getContext('2d'));
    },

    canvas: function(width, height) {
      var canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      return canvas;
    },

    // A kept picture's pixels in a canvas of their own.
    cutOut: function(kept) {
      var canvas = VantrelImages.canvas(kept.width, kept.height);
      VantrelImages.context(canvas).drawImage(kept.image, kept.x, kept.y, kept.width, kept.height,
                                              0, 0, kept.width, kept.height);
      return canvas;
    },

    // Pixels of the key colour made see-through in `canvas`, drawn through
    // `ctx`; SDL_MapRGB gives the key as 0xAABBGGRR here.
    applyKey: function(canvas, ctx, key) {
      var r = key & 0xff, g = (key >> 8) & 0xff, b = (key >> 16) & 0xff;
      var image = VantrelReadback.read({canvas: canvas, width: canvas.width, height: canvas.height});
      var px = image.data;
      for (var i = 0; i < px.length; i += 4) {
        if (px[i] === r && px[i + 1] === g && px[i + 2] === b) px[i + 3] = 0;
      }
      ctx.putImageData(image, 0, 0);
    },

    // A picture the glue keeps: {image, x, y, width, height, keyed}, its
    // pixels at (x, y) in `image`, a decoded atlas, and its copies with a
    // colour key made see-through, by key. A text's record has no image but
    // its words, as `text`.
    kept: function(image, x, y, width, height) {
      return {image: image, x: x, y: y, width: width, height: height, keyed: {}};
    },

    // The picture at `path` kept as its place in its decoded atlas, which
    // every load of it draws from: no copy to make on a first load. Null
    // when its place is not inside the atlas.
    keep: function(path, place) {
      var bitmap = place.atlas.bitmap;
      if (place.x + place.width > bitmap.width || place.y + place.height > bitmap.height) return null;
      return (VantrelImages.pictures[path] = VantrelImages.kept(bitmap, place.x, place.y, place.width, place.height));
    },

    // Where a blit from a kept picture reads: `srcrect` (or the whole
    // picture) moved to the picture's place in its image, in a rectangle
    // of the glue's own, made once.
    placedRect: function(data, srcrect) {
      var at = data.vantrelAt;
      var rect = srcrect ? SDL.loadRect(srcrect) : {x: 0, y: 0, w: data.width, h: data.height};
      var placed = VantrelImages.rect || (VantrelImages.rect = _malloc({{{ C_STRUCTS.SDL_Rect.__size__ }}}));
      SDL.updateRect(placed, {x: at.x + rect.x, y: at.y + rect.y, w: rect.w, h: rect.h});
      return placed;
    },

    // A text surface's words written onto `to` where SDL's blit would put
    // its pixels, and cut to its box as they would be.
    blitText: function(from, srcrect, to, dstrect) {
      var sr = srcrect ? SDL.loadRect(srcrect) : {x: 0, y: 0, w: from.width, h: from.height};
      var dr = dstrect ? SDL.loadRect(dstrect) : {x: 0, y: 0, w: from.width, h: from.height};
      if (to && to.clipRect) {
        dr = SDL.intersectionOfRects(to.clipRect, dr);
        sr.w = dr.w;
        sr.h = dr.h;
        if (dstrect) SDL.updateRect(dstrect, dr);
      }
      var w = Math.min(sr.w, from.width - sr.x), h = Math.min(sr.h, from.height - sr.y);
      if (!to || !to.ctx || w <= 0 || h <= 0) return 0;
      var ctx = to.ctx, text = from.vantrelText;
      var whole = text.inside && sr.x === 0 && sr.y === 0 && w === from.width && h === from.height;
      if (!whole) {
        ctx.save();
        ctx.beginPath();
        ctx.rect(dr.x, dr.y, w, h);
        ctx.clip();
      }
      ctx.fillStyle = text.fill;
      ctx.font = text.css;
      ctx.textBaseline = 'alphabetic';
      ctx.fillText(text.string, dr.x - sr.x, dr.y - sr.y + text.ascent);
      if (!whole) ctx.restore();
      return 0;
    },

    // A surface showing a kept picture or a text: SDL's own record, drawing
    // from the kept image (or writing the text) instead of a canvas of its
    // own (SDL_HWSURFACE: the pixels live in the image only). The game only
    // blits a loaded picture and sets its colour key, which swaps in the
    // keyed copy.
    surface: function(kept, source) {
      var width = kept.width, height = kept.height, flags = 0x00000001;
      var surf = _malloc({{{ C_STRUCTS.SDL_Surface.__size__ }}});
      var pixelFormat = _malloc({{{ C_STRUCTS.SDL_PixelFormat.__size__ }}});
      HEAPU8.fill(0, surf, surf + {{{ C_STRUCTS.SDL_Surface.__size__ }}});
      HEAPU8.fill(0, pixelFormat, pixelFormat + {{{ C_STRUCTS.SDL_PixelFormat.__size__ }}});
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.flags, 'flags', 'i32') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.format, 'pixelFormat', 'void*') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.w, 'width', 'i32') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.h, 'height', 'i32') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.pitch, 'width * 4', 'i32') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.clip_rect+C_STRUCTS.SDL_Rect.w, 'Module["canvas"].width', 'i32') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.clip_rect+C_STRUCTS.SDL_Rect.h, 'Module["canvas"].height', 'i32') }}};
      {{{ makeSetValue('surf', C_STRUCTS.SDL_Surface.refcount, '1', 'i32') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.format, cDefine('SDL_PIXELFORMAT_RGBA8888'), 'i32') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.BitsPerPixel, '32', 'i8') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.BytesPerPixel, '4', 'i8') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.Rmask, '0x000000ff', 'i32') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.Gmask, '0x0000ff00', 'i32') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.Bmask, '0x00ff0000', 'i32') }}};
      {{{ makeSetValue('pixelFormat', C_STRUCTS.SDL_PixelFormat.Amask, '0xff000000', 'i32') }}};
      SDL.surfaces[surf] = {
        width: width, height: height, canvas: kept.image, ctx: null, surf: surf, buffer: 0,
        pixelFormat: pixelFormat, alpha: 255, flags: flags, locked: 0,
        // Not the page's canvas, but not SDL's either: this keeps it out of
        // the pool SDL_FreeSurface hands canvases back to.
        usePageCanvas: true,
        source: source, vantrelPicture: kept.image ? kept : null, vantrelText: kept.text || null,
        vantrelAt: kept.x || kept.y ? {x: kept.x, y: kept.y} : null,
        isFlagSet: function(flag) { return flags & flag; },
      };
      return surf;
    },

    // The page's loading indication over the game while a load has waited
    // long for its atlas.
    waitBegins: function() {
      if (VantrelImages.waiting++ > 0) return;
      VantrelImages.waitTimer = setTimeout(function() {
        VantrelImages.shownWaiting = true;
        if (Module['onPicturesWait']) Module['onPicturesWait'](true);
      }, VantrelImages.WAIT_SHOWN_MS);
    },
    waitEnds: function() {
      if (--VantrelImages.waiting > 0) return;
      clearTimeout(VantrelImages.waitTimer);
      if (VantrelImages.shownWaiting && Module['onPicturesWait']) Module['onPicturesWait'](false);
      VantrelImages.shownWaiting = false;
    },
  },

  IMG_Load_RW__deps: ['$SDL', '$VantrelFiles', '$Asyncify', '$VantrelImages', 'SDL_FreeRW'],
  // Nothing for the browser to decode while the data package loads.
  IMG_Load_RW__postset: 'Module["noImageDecoding"] = true;',
  IMG_Load_RW: function(rwopsID, freeSrc) {
    // All of it inside handleSleep: when the game resumes after the decode,
    // this call is made again and must only collect the result.
    return Asyncify.handleSleep(function(done) {
      var rwops = SDL.rwops[rwopsID];
      var path = rwops ? VantrelFiles.resolve(rwops.filename) : undefined;
      if (rwops && freeSrc) _SDL_FreeRW(rwopsID);
      var kept = path === undefined ? undefined : VantrelImages.pictures[path];
      if (kept) {
        done(VantrelImages.surface(kept, 'load:' + path));  // at once: no unwinding
        return;
      }
      var place = null;
      try {
        place = path === undefined ? null : VantrelImages.place(path);
      } catch (e) {
        place = null;
      }
      function surfaceOf() {
        var kept = VantrelImages.keep(path, place);
        return kept ? VantrelImages.surface(kept, 'load:' + path) : 0;
      }
      if (!place) {
        done(0);
      } else if (place.atlas.bitmap) {
        done(surfaceOf());
      } else {
        VantrelImages.waitBegins();
        VantrelImages.load(place.atlas).then(function() {
          VantrelImages.waitEnds();
          done(surfaceOf());
        }, function() {
          VantrelImages.waitEnds();
          done(0);
        });
      }
    });
  },
  SDL_LoadBMP_RW: 'IMG_Load_RW',

  // Fonts. The built-in TTF_OpenFont never reads the file and draws with a
  // CSS font named after it, falling back to a serif face. Here the font
  // file is registered as a web font while the data package loads (see the
  // preload plugin below), a missing file fails as with SDL_ttf, and text is
  // placed on the font's ascent, as SDL_ttf places it.
  $VantrelFonts__deps: ['$PATH_FS'],
  $VantrelFonts__postset:
    'Module["preloadPlugins"] = Module["preloadPlugins"] || [];' +
    'Module["preloadPlugins"].unshift(VantrelFonts.plugin);',
  $VantrelFonts: {
    // Vertical metrics by absolute path, in font units.
    metrics: {},
    // Glyph measures by CSS font and character code: the game opens its
    // font anew for every panel it draws.
    glyphs: {},

    // hhea ascender and descender and head unitsPerEm: what FreeType, and so
    // SDL_ttf, builds the ascent and descent from.
    readMetrics: function(bytes) {
      var view = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
      var tables = {};
      var count = view.getUint16(4);
      for (var i = 0; i < count; i++) {
        var entry = 12 + 16 * i;
        var tag = String.fromCharCode(bytes[entry], bytes[entry + 1], bytes[entry + 2], bytes[entry + 3]);
        tables[tag] = view.getUint32(entry + 8);
      }
      if (tables['head'] === undefined || tables['hhea'] === undefined) return null;
      return {
        unitsPerEm: view.getUint16(tables['head'] + 18),
        ascender: view.getInt16(tables['hhea'] + 4),
        descender: view.getInt16(tables['hhea'] + 6),
      };
    },

    plugin: {
      'canHandle': function(name) { return /\.ttf$/i.test(name); },
      // A font the browser cannot use is still packaged but never opens, so
      // the game draws without its texts, as the desktop game does.
      'handle': function(byteArray, name, onload) {
        var metrics;
        try {
          metrics = VantrelFonts.readMetrics(byteArray);
        } catch (e) {
          metrics = null;
        }
        if (!metrics) {
          onload(byteArray);
          return;
        }
        var face = new FontFace(name, byteArray);
        face.load().then(function() {
          document.fonts.add(face);
          VantrelFonts.metrics[name] = metrics;
          onload(byteArray);
        }, function() { onload(byteArray); });
      },
    },

    // FreeType's FT_CEIL of a value scaled to the pixel size, as SDL_ttf
    // takes it.
    ceilScaled: function(units, size, unitsPerEm) {
      return Math.ceil(units * size / unitsPerEm);
    },
  },

  // The game opens its font from a stream made by openDataFile (a named
  // stream here, see glue/data_file.cpp), which checked it is a regular file.
  TTF_OpenFontRW__deps: ['$SDL', '$VantrelFonts', '$VantrelFiles', 'SDL_FreeRW'],
  TTF_OpenFontRW: function(rwopsID, freeSrc, size) {
    var rwops = SDL.rwops[rwopsID];
    var path = rwops ? rwops.filename : undefined;
    if (rwops && freeSrc) _SDL_FreeRW(rwopsID);  // SDL_ttf closes the stream on failure too
    var resolved = path === undefined ? undefined : VantrelFiles.resolve(path);
    var metrics = resolved === undefined ? undefined : VantrelFonts.metrics[resolved];
    if (!metrics || size <= 0) return 0;
    var ascent = VantrelFonts.ceilScaled(metrics.ascender, size, metrics.unitsPerEm);
    var descent = VantrelFonts.ceilScaled(metrics.descender, size, metrics.unitsPerEm);
    var id = SDL.fonts.length;
    SDL.fonts.push({
      size: size,
      css: size + 'px "' + resolved + '"',
      ascent: ascent,
      height: ascent - descent + 1,  // SDL_ttf counts the baseline row too
    });
    return id;
  },

  // A text is a surface that holds its words, not its pixels: its blit
  // writes them onto the screen (VantrelImages.blitText). The score panel
  // draws new numbers at most taps, and a canvas made for each cost more
  // than the rest of the tap. The game only blits a text and frees it.
  TTF_RenderText_Blended__deps: ['$SDL', '$VantrelImages'],
  TTF_RenderText_Blended: function(font, text, color) {
    var fontData = SDL.fonts[font];
    if (!fontData) return 0;
    text = UTF8ToString(text) || ' ';
    var css = SDL.loadColorToCSSRGB(color);
    var measure = SDL.ttfContext;
    measure.font = fontData.css;
    var m = measure.measureText(text);
    var kept = VantrelImages.kept(null, 0, 0, Math.ceil(m.width) + 1, fontData.height);
    // Whether the ink stays inside the surface's box, where its blit needs
    // no clipping (digits do).
    var inside = m.actualBoundingBoxLeft <= 0 && m.actualBoundingBoxRight <= kept.width &&
                 m.actualBoundingBoxAscent <= fontData.ascent &&
                 m.actualBoundingBoxDescent <= fontData.height - fontData.ascent;
    kept.text = {css: fontData.css, fill: css, string: text, ascent: fontData.ascent, inside: inside};
    return VantrelImages.surface(kept, 'text:' + text);
  },
  TTF_RenderText_Solid: 'TTF_RenderText_Blended',

  // What the game's font check reads, measured on the registered font as the
  // page draws it. The browser places and kerns the glyphs itself, so no
  // kerning is reported.
  TTF_GlyphMetrics__deps: ['$SDL', '$VantrelFonts'],
  TTF_GlyphMetrics: function(font, ch, minx, maxx, miny, maxy, advance) {
    var fontData = SDL.fonts[font];
    if (!fontData) return -1;
    // Measured once per font and character: the game checks its font's
    // glyphs before every score panel it draws.
    var glyphs = VantrelFonts.glyphs[fontData.css] || (VantrelFonts.glyphs[fontData.css] = {});
    var glyph = glyphs[ch];
    if (!glyph) {
      var measure = SDL.ttfContext;
      measure.font = fontData.css;
      glyph = glyphs[ch] = measure.measureText(String.fromCharCode(ch));
    }
    if (minx) {{{ makeSetValue('minx', '0', 'Math.floor(-glyph.actualBoundingBoxLeft)', 'i32') }}};
    if (maxx) {{{ makeSetValue('maxx', '0', 'Math.ceil(glyph.actualBoundingBoxRight)', 'i32') }}};
    if (miny) {{{ makeSetValue('miny', '0', 'Math.floor(-glyph.actualBoundingBoxDescent)', 'i32') }}};
    if (maxy) {{{ makeSetValue('maxy', '0', 'Math.ceil(glyph.actualBoundingBoxAscent)', 'i32') }}};
    if (advance) {{{ makeSetValue('advance', '0', 'Math.ceil(glyph.width)', 'i32') }}};
    return 0;
  },
  TTF_FontHeight__deps: ['$SDL'],
  TTF_FontHeight: function(font) {
    var fontData = SDL.fonts[font];
    return fontData ? fontData.height : 0;
  },
  TTF_GlyphIsProvided: function(font, ch) { return 1; },
  TTF_GetFontKerningSize: function(font, previous, index) { return 0; },

  // Fonts stay registered with the page for its whole life, and the context
  // texts are measured with is made once: the game starts and stops the
  // font library around every panel it draws, and a new context resolves
  // its font anew at its first measure.
  TTF_Init__deps: ['$SDL'],
  TTF_Init: function() {
    if (!SDL.ttfContext) {
      var canvas = typeof OffscreenCanvas !== 'undefined' ? new OffscreenCanvas(1, 1) : document.createElement('canvas');
      SDL.ttfContext = canvas.getContext('2d');
    }
    return 0;
  },
  TTF_Quit: function() {},
});
