// Auto-play: the next spread every `interval` seconds until the end, or round to the start again
// when the book loops. Any touch, key or click of the reader pauses it, but those that toggle it.
// Emits 'autoplay' {playing} on the bus when it starts or stops.

export class AutoPlay {
  /**
   * `turns`: {next(), first(), atEnd(), turning()}; `own(target)` tells the button and menu item
   * that toggle it, whose clicks must not pause it first.
   */
  constructor(bus, turns, { interval, loop }, own) {
    this.bus = bus;
    this.turns = turns;
    this.interval = interval * 1000;
    this.loop = loop;
    this.playing = false;
    this.timer = 0;
    bus.on('turnend', () => { if (this.playing) this.schedule(); });
    // Its own button toggles it by click, Enter or Space; every other touch, key or click pauses it.
    const toggles = (e) => own(e.target) && (e.type === 'pointerdown' || e.key === 'Enter' || e.key === ' ');
    const pause = (e) => { if (this.playing && !toggles(e)) this.stop(); };
    document.addEventListener('pointerdown', pause, true);
    document.addEventListener('keydown', pause, true);
  }

  toggle() {
    if (this.playing) this.stop();
    else this.start();
  }

  start() {
    if (this.playing) return;
    this.playing = true;
    this.bus.emit('autoplay', { playing: true });
    // Started at the end, it plays the book again from its start.
    if (this.turns.atEnd()) this.turns.first();
    if (!this.turns.turning()) this.schedule();
  }

  stop() {
    if (!this.playing) return;
    this.playing = false;
    clearTimeout(this.timer);
    this.bus.emit('autoplay', { playing: false });
  }

  schedule() {
    clearTimeout(this.timer);
    this.timer = setTimeout(() => this.step(), this.interval);
    this.bus.emit('autoplaystep', { ms: this.interval });
  }

  step() {
    if (!this.playing) return;
    if (this.turns.atEnd()) {
      if (!this.loop) {
        this.stop();
        return;
      }
      this.turns.first();
    } else {
      this.turns.next();
    }
    // A turn that did not start (nothing laid out yet) ends no turn: the next step waits anyway.
    if (!this.turns.turning()) this.schedule();
  }
}
