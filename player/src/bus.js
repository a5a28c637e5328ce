// A tiny publish/subscribe hub that keeps the player's modules apart.

export class EventBus {
  constructor() { this.handlers = new Map(); }

  /** Subscribes `fn` to `name`; returns a function that unsubscribes it. */
  on(name, fn) {
    if (!this.handlers.has(name)) this.handlers.set(name, []);
    this.handlers.get(name).push(fn);
    return () => {
      const list = this.handlers.get(name) || [];
      const i = list.indexOf(fn);
      if (i >= 0) list.splice(i, 1);
    };
  }

  /** Calls every subscriber of `name` in order; a failing subscriber does not stop the others. */
  emit(name, detail) {
    for (const fn of (this.handlers.get(name) || []).slice()) {
      try { fn(detail); } catch (e) { console.error(e); }
    }
  }
}
