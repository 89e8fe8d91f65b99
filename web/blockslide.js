// The page of a blockslide game: it draws the cells the program sends, hands
// the program the player's keys, clicks and taps, and plays its clips. The
// program calls it from console/web/web_console.cpp.
'use strict';

const blockslide = (() => {
  const kRows = 25, kColumns = 80;
  // A key as one number, as the program reads it: a character, a key with
  // no character by its scan code, or the left button at a row and column.
  const kExtended = 0x10000, kMouse = 0x20000, kPressed = 0x10000;
  const kScanCodes = {ArrowUp: 72, ArrowRight: 77, ArrowDown: 80, ArrowLeft: 75, Home: 71,
                      End: 79, PageUp: 73, PageDown: 81, Insert: 82, Delete: 83};
  const kControls = {Escape: 27, Enter: 13, Backspace: 8};
  const kFadeSeconds = 0.005;  // a later cue cuts an earlier one this fast: no click

  const screen = document.getElementById('screen');
  const cells = [];
  for (let row = 0; row < kRows; row++) {
    const line = screen.appendChild(document.createElement('div'));
    for (let column = 0; column < kColumns; column++) {
      const cell = line.appendChild(document.createElement('span'));
      cell.className = 'f7 b0';  // as a fresh screen model is
      cell.textContent = ' ';
      cells.push(cell);
    }
  }
  let cursor = null;

  function draw(heap, at, count, cursorIndex) {
    for (const end = at + 2 * count; at < end; at += 2) {
      const cell = cells[heap[at] >>> 8], attribute = heap[at] & 0xFF;
      cell.className = `f${attribute & 15} b${attribute >> 4}`;
      cell.firstChild.data = String.fromCodePoint(heap[at + 1]);
    }
    cursor?.classList.remove('cursor');
    cursor = cursorIndex < 0 ? null : cells[cursorIndex];
    cursor?.classList.add('cursor');
  }

  // The screen as large as the window lets the whole of it be, its columns
  // whole pixels wide so that lines join without seams. Rows round to whole
  // pixels at each size, so the size is found in a few steps on one line of
  // the screen's width (cheaper to measure than the screen), starting small
  // so that a phone never zooms out to fit a screen too wide for it.
  const probe = document.body.appendChild(document.createElement('div'));
  probe.id = 'probe';
  probe.textContent = ' '.repeat(kColumns);
  function fit() {
    const view = document.documentElement;
    let size = 10;
    for (let step = 0; step < 3; step++) {
      probe.style.fontSize = `${size}px`;
      const {width, height} = probe.getBoundingClientRect();
      const scale = Math.min(view.clientWidth / width, view.clientHeight / (height * kRows));
      const column = Math.max(1, Math.floor(width / kColumns * scale * devicePixelRatio));
      size *= column / devicePixelRatio / (width / kColumns);
    }
    screen.style.fontSize = `${size}px`;
  }
  fit();
  addEventListener('resize', fit);

  const keys = [];
  let wake = null, over = false;
  function type(code) {
    keys.push(code);
    wake?.();
    wake = null;
  }
  const takeKey = () => (keys.length ? keys.shift() : -1);
  const keyTyped = () => new Promise(resolve => { keys.length ? resolve() : (wake = resolve); });

  addEventListener('keydown', event => {
    if (over || event.ctrlKey || event.altKey || event.metaKey) return;  // the browser's
    const {key} = event;
    const code = key in kScanCodes ? kExtended + kScanCodes[key]
      : key in kControls ? kControls[key] : key.length === 1 ? key.codePointAt(0) : undefined;
    if (code === undefined) return;
    event.preventDefault();  // arrows and space do not scroll the page
    if (key !== 'Escape') wakeSound();  // Esc is no gesture that lets a page sound
    type(code);
  });

  // The screen cell under a pointer, as row * 256 + column from 1.
  function place(event) {
    const box = screen.getBoundingClientRect();
    const at = (offset, size, count) =>
      Math.min(count, Math.max(1, Math.floor(offset / size * count) + 1));
    return at(event.clientY - box.top, box.height, kRows) * 256 +
      at(event.clientX - box.left, box.width, kColumns);
  }
  // A tap or click is a press and a release in one place; a swipe or drag
  // lets go elsewhere. Shift and drag selects text, as in a terminal.
  screen.addEventListener('pointerdown', event => {
    if (over || event.shiftKey || event.button !== 0 || !event.isPrimary) return;
    event.preventDefault();
    screen.setPointerCapture(event.pointerId);
    type(kMouse + kPressed + place(event));
  });
  screen.addEventListener('pointerup', event => {
    if (over || event.button !== 0 || !event.isPrimary) return;
    wakeSound();
    type(kMouse + place(event));
  });

  const silent = new URLSearchParams(location.search).has('silent');
  const clips = new Map();
  const cues = [];  // every clip started, for the browser tests
  let audio = null, sounding = null;

  const addClip = (name, bytes, channels, rate) => clips.set(name, {bytes, channels, rate});

  function toBuffer({bytes, channels, rate}) {
    const samples = new Int16Array(bytes.buffer);
    const frames = samples.length / channels;
    const buffer = audio.createBuffer(channels, frames, rate);
    for (let channel = 0; channel < channels; channel++) {
      const data = buffer.getChannelData(channel);
      for (let frame = 0; frame < frames; frame++) {
        data[frame] = samples[frame * channels + channel] / 32768;
      }
    }
    return buffer;
  }

  // Browsers let a page sound only after the player's first key, click or
  // tap: a key, or a button let go (a touch's press is no such gesture).
  function wakeSound() {
    if (silent) return;
    if (!audio) {
      audio = new AudioContext();
      for (const clip of clips.values()) clip.buffer = toBuffer(clip);
    }
    if (audio.state === 'suspended') audio.resume();
  }

  function play(name) {
    const clip = clips.get(name);
    if (!audio || !clip) return;
    const now = audio.currentTime;
    let start = now;
    if (sounding && sounding.end > now) {
      sounding.gain.gain.setValueAtTime(1, now);
      sounding.gain.gain.linearRampToValueAtTime(0, now + kFadeSeconds);
      sounding.source.stop(now + kFadeSeconds);
      start = now + kFadeSeconds;
    }
    const gain = new GainNode(audio);
    const source = new AudioBufferSourceNode(audio, {buffer: clip.buffer});
    source.connect(gain).connect(audio.destination);
    source.start(start);
    sounding = {gain, source, end: start + clip.buffer.duration};
    cues.push({name, seconds: clip.buffer.duration, status: screen.children[kRows - 2].textContent});
  }

  // The last screen stays; the page offers another game.
  function ended() {
    over = true;
    document.getElementById('ended').hidden = false;
    document.getElementById('again').focus();
  }
  document.getElementById('again').addEventListener('click', () => location.reload());

  // The program stopped on an error, or cannot load from a file: address
  // (browsers fetch nothing there): the page says so.
  const failed = () => { document.getElementById('failed').hidden = false; };
  window.Module = {onAbort: failed};
  if (location.protocol === 'file:') failed();

  return {draw, takeKey, keyTyped, addClip, play, ended, silent, cues};
})();
