// The page's side of a Worker running qmoor: ask() sends one command line
// and resolves with its answer; cancel() ends a Worker still at work (the
// planner's cancel).
import type { Answer, Request } from "./messages.js";

export class Cancelled extends Error {}

export class QmoorWorker {
  private worker: Worker | null = null;
  private readonly waiting = new Map<number, { resolve: (answer: Answer) => void; reject: (error: Error) => void }>();
  private next = 0;
  private readyAt: Promise<void> = Promise.resolve();

  private start(): Worker {
    const worker = new Worker(new URL("./worker.js", import.meta.url), { type: "module" });
    this.readyAt = new Promise((ready) => {
      worker.onmessage = (event: MessageEvent<Answer>) => {
        if (event.data.id === -1) return ready();
        const waiter = this.waiting.get(event.data.id);
        this.waiting.delete(event.data.id);
        waiter?.resolve(event.data);
      };
    });
    worker.onerror = (event) => this.failAll(new Error(event.message));
    return worker;
  }

  // Sent once the Worker listens: what a Worker is sent while its module
  // still loads is lost.
  ask(words: string[], mine: string | null): Promise<Answer> {
    const worker = (this.worker ??= this.start());
    const request: Request = { id: this.next++, words, mine };
    const answer = new Promise<Answer>((resolve, reject) => this.waiting.set(request.id, { resolve, reject }));
    this.readyAt.then(() => worker.postMessage(request));
    return answer;
  }

  // Ends the Worker at once when it is still working (a new one starts on
  // the next question), failing what it was asked.
  cancel(): void {
    if (this.waiting.size === 0) return;
    this.worker?.terminate();
    this.worker = null;
    this.failAll(new Cancelled());
  }

  private failAll(error: Error): void {
    for (const waiter of this.waiting.values()) waiter.reject(error);
    this.waiting.clear();
  }
}
