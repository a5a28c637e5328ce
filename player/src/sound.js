// A short rustle at each page turn, made with Web Audio so that the book needs no sound file.

export class TurnSound {
  constructor() {
    this.enabled = true;
    this.ctx = null;
  }

  play() {
    if (!this.enabled) return;
    const Ctx = window.AudioContext || window.webkitAudioContext;
    if (!Ctx) return;
    try {
      this.ctx = this.ctx || new Ctx();
      const ctx = this.ctx;
      const length = Math.floor(ctx.sampleRate * 0.18);
      const buffer = ctx.createBuffer(1, length, ctx.sampleRate);
      const data = buffer.getChannelData(0);
      for (let i = 0; i < length; i++) data[i] = (Math.random() * 2 - 1) * Math.pow(1 - i / length, 2) * 0.25;
      const src = ctx.createBufferSource();
      const filter = ctx.createBiquadFilter();
      filter.type = 'highpass';
      filter.frequency.value = 1200;
      src.buffer = buffer;
      src.connect(filter).connect(ctx.destination);
      src.start();
    } catch (e) {
      this.enabled = false;
    }
  }
}
