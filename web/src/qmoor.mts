// node build-web/qmoor.mjs VERB ARGS…: the wasm qmoor as a command, printing
// exactly what the native qmoor prints, with its exit status. It sees the
// real file system and the environment (the language of messages, the
// default file of my demons) as the native program does.
import { readFileSync } from "node:fs";
import { runQmoor, type QmoorModule } from "./common/qmoor_call.mjs";
import createQmoor from "./qmoor-node.cjs";

interface NodeQmoorModule extends QmoorModule {
  ENV: Record<string, string>;
}

const wasmBinary = readFileSync(new URL("./qmoor-node.wasm", import.meta.url));
const module: NodeQmoorModule = await createQmoor({
  wasmBinary,
  preRun: [(started: NodeQmoorModule) => {
    for (const name of Object.keys(started.ENV)) delete started.ENV[name];
    Object.assign(started.ENV, process.env);
  }],
});
const answer = runQmoor(module, process.argv.slice(2));
// A reader that went away (qmoor … | head) ends the program quietly.
process.stdout.on("error", () => process.exit(1));
process.stdout.write(answer.output);
process.stderr.write(answer.errors);
process.exitCode = answer.status;
