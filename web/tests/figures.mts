// The site's figures: the wasm's size and gzipped size, the time from loading
// the page to its first answer in headless Chromium, and hard plans in wasm
// (under node and in the page's Worker) against the native qmoor.
//   node build-web/tests/figures.mjs NATIVE_QMOOR
// NATIVE_QMOOR should be a Release build (build-release/qmoor).
import { execFileSync } from "node:child_process";
import { readFileSync } from "node:fs";
import { createRequire } from "node:module";
import { gzipSync } from "node:zlib";
import { launch, openAnswer, serveSite } from "./browser.mjs";

const native = process.argv[2];
if (!native) throw new Error("usage: node build-web/tests/figures.mjs NATIVE_QMOOR");
const built = (name: string) => new URL(`../${name}`, import.meta.url);
const plans = [
  ["オーディン", "--skill", "アギ", "--skill", "ジオ", "--skill", "ブフ", "--skill", "ザン", "--depth", "5"],
  ["ヴィシュヌ", "--skill", "アギラオ", "--skill", "ジオンガ", "--skill", "ブフーラ", "--skill", "ザンマ"],
  ["オーディン", "--skill", "マハラギ", "--skill", "マハジオ", "--skill", "マハブフ", "--skill", "マハザン"],
];
const rounds = 3;

function kb(bytes: number): string {
  return `${(bytes / 1024).toFixed(0)} KB`;
}

function best(times: number[]): number {
  return Math.min(...times);
}

const wasm = readFileSync(built("site/qmoor-web.wasm"));
const glue = readFileSync(built("site/qmoor-web.mjs"));
console.log(`wasm ${kb(wasm.length)}, gzipped ${kb(gzipSync(wasm, { level: 9 }).length)}; ` +
  `its JavaScript ${kb(glue.length)}, gzipped ${kb(gzipSync(glue, { level: 9 }).length)}`);

// The plans natively and in the node build's wasm, each the best of its rounds.
const require = createRequire(import.meta.url);
const { runQmoor } = await import(built("common/qmoor_call.mjs").href);
const module = await require(built("qmoor-node.cjs").pathname)({ wasmBinary: readFileSync(built("qmoor-node.wasm")) });
const timed = (run: () => void) => {
  const start = performance.now();
  run();
  return performance.now() - start;
};
// Starting a process costs the native qmoor what the wasm, run in-process,
// does not pay: the time of a run that answers at once is taken off.
const startup = best(Array.from({ length: rounds }, () => timed(() => execFileSync(native, ["--version"]))));
console.log(`starting the native qmoor: ${startup.toFixed(0)} ms, taken off its plan times`);
let nativeTotal = 0;
let wasmTotal = 0;
for (const plan of plans) {
  const words = ["plan", ...plan, "--json"];
  const nativeMs = best(Array.from({ length: rounds }, () => timed(() => execFileSync(native, words, { maxBuffer: 64 << 20 })))) - startup;
  const wasmMs = best(Array.from({ length: rounds }, () => timed(() => runQmoor(module, words))));
  nativeTotal += nativeMs;
  wasmTotal += wasmMs;
  console.log(`plan ${plan.join(" ")}: native ${nativeMs.toFixed(0)} ms, wasm ${wasmMs.toFixed(0)} ms (${(wasmMs / nativeMs).toFixed(2)}×)`);
}
console.log(`plans together: native ${nativeTotal.toFixed(0)} ms, wasm under node ${wasmTotal.toFixed(0)} ms (${(wasmTotal / nativeTotal).toFixed(2)}×)`);

// The page, from a browser that has nothing cached.
const served = await serveSite();
const browser = await launch();
try {
  const loads: { load: number; answer: number }[] = [];
  for (let round = 0; round < rounds; ++round) {
    const context = await browser.createBrowserContext();
    const page = await context.newPage();
    await openAnswer(page, served.origin, "#/recipes?target=オーディン&lang=ja");
    loads.push(await page.evaluate(() => {
      const navigation = performance.getEntriesByType("navigation")[0] as PerformanceNavigationTiming;
      return { load: navigation.loadEventEnd, answer: performance.getEntriesByName("quillmoor-answer")[0]!.startTime };
    }));
    await context.close();
  }
  const first = loads.reduce((a, b) => (a.answer < b.answer ? a : b));
  console.log(`first answer in Chromium: ${first.answer.toFixed(0)} ms after navigation, ${(first.answer - first.load).toFixed(0)} ms after the load event`);
  const page = await browser.newPage();
  let workerTotal = 0;
  for (const plan of plans) {
    const query = new URLSearchParams({ target: plan[0]! });
    plan.filter((_, i) => plan[i - 1] === "--skill").forEach((skill, i) => query.set(`skill${i + 1}`, skill));
    if (plan.includes("--depth")) query.set("depth", plan[plan.indexOf("--depth") + 1]!);
    query.set("lang", "ja");
    const times: number[] = [];
    for (let round = 0; round < rounds; ++round) {
      query.set("round", String(round));
      await openAnswer(page, served.origin, `#/plan?${query}`);
      times.push(Number(await page.$eval(".answer", (answer) => (answer as HTMLElement).dataset.answered)));
    }
    workerTotal += best(times);
  }
  console.log(`plans together in the page's Worker: ${workerTotal.toFixed(0)} ms (${(workerTotal / nativeTotal).toFixed(2)}× native)`);
} finally {
  await browser.close();
  served.stop();
}
