// The Worker that runs the wasm qmoor for the page: each message is one
// qmoor command line, answered with what qmoor printed and its exit status.
// My demons come along as the text of a demons.json and are read by qmoor
// from a file in the Worker's memory, as the desktop's file is.
import { runQmoor, type QmoorModule } from "../common/qmoor_call.mjs";
import type { Answer, Request } from "./messages.js";

interface WebQmoorModule extends QmoorModule {
  FS: { writeFile(path: string, data: string): void };
}

const minePath = "/demons.json";
const factory: { default: (settings: object) => Promise<WebQmoorModule> } =
  await import(new URL("../qmoor-web.mjs", import.meta.url).href);
const module = await factory.default({});
const decoder = new TextDecoder();

function answer(request: Request): Answer {
  const words = [...request.words];
  if (request.mine !== null) {
    module.FS.writeFile(minePath, request.mine);
    words.push("--mine", minePath);
  }
  const ran = runQmoor(module, words);
  return { id: request.id, status: ran.status, output: decoder.decode(ran.output), errors: decoder.decode(ran.errors) };
}

// The Worker's own scope, as far as it is used here.
const scope = self as unknown as {
  onmessage: ((event: MessageEvent<Request>) => void) | null;
  postMessage(answer: Answer): void;
};
scope.onmessage = (event) => scope.postMessage(answer(event.data));
scope.postMessage({ id: -1, status: 0, output: "", errors: "" });
