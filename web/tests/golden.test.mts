// The wasm qmoor against the native one: every verb in both languages, text
// and JSON, errors and help included, must print the same bytes on standard
// output and error and exit with the same status.
//
// QMOOR_NATIVE names the native qmoor, QMOOR_WASM the wrapper build-web/qmoor.mjs
// and QMOOR_TESTDATA the folder of test files of my demons.
import assert from "node:assert/strict";
import { execFile } from "node:child_process";
import { mkdirSync, mkdtempSync, writeFileSync } from "node:fs";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { test } from "node:test";
import { fileURLToPath } from "node:url";

function required(name: string): string {
  const value = process.env[name];
  if (!value) throw new Error(`${name} is not set`);
  return value;
}

const native = required("QMOOR_NATIVE");
const wasm = process.env.QMOOR_WASM ?? fileURLToPath(new URL("../qmoor.mjs", import.meta.url));
const testdata = required("QMOOR_TESTDATA");
const mine = join(testdata, "demons", "mine.json");

// A home of its own, holding a default file of my demons, so that the verbs
// read the same file either way and never the user's.
const home = mkdtempSync(join(tmpdir(), "qmoor-golden-"));
mkdirSync(join(home, "Quillmoor"));
writeFileSync(
  join(home, "Quillmoor", "demons.json"),
  '{"format":"quillmoor-demons","version":1,"demons":[{"race":7,"slot":8,"level":12,"skills":[1]},' +
    '{"race":13,"slot":4,"level":9,"skills":[]}]}',
);

interface Run {
  status: number | null;
  stdout: Buffer;
  stderr: Buffer;
}

function run(program: string[], words: string[], env: NodeJS.ProcessEnv): Promise<Run> {
  return new Promise((resolve) => {
    execFile(program[0]!, [...program.slice(1), ...words], { env, encoding: "buffer", maxBuffer: 64 << 20 },
      (error, stdout, stderr) => {
        const status = error ? (typeof error.code === "number" ? error.code : null) : 0;
        resolve({ status, stdout, stderr });
      });
  });
}

// Commands asked in each language, as text and as JSON.
const requests: string[][] = [
  [],
  ["--help"],
  ["--version"],
  ["nosuchverb"],
  ["fuse", "--help"],
  ["fuse", "ピクシー", "ヴィシュヌ"],
  ["fuse", "Pixie", "Flaemis"],
  ["fuse", "7/8@20", "0/0", "--curse"],
  ["fuse", "ぴくしー@99", "ジャックフロスト@30"],
  ["fuse", "ピクシー@1", "ヴィシュヌ"],
  ["fuse", "ベルゼブブ", "ピクシー"],
  ["fuse", "ベルゼブブ95", "ピクシー"],
  ["fuse", "xyzzy", "ピクシー"],
  ["fuse", "ピクシー"],
  ["partners", "ピクシー"],
  ["partners", "オーディン@80", "--curse"],
  ["partners", "ピクシー", "--mine-only", "--mine", mine],
  ["partners", "ミズチ"],
  ["mine"],
  ["mine", "--mine", mine],
  ["mine", "--curse", "--mine", mine],
  ["mine", "--mine", join(testdata, "demons", "not-json.json")],
  ["mine", "--mine", join(testdata, "demons", "other-format.json")],
  ["mine", "--mine", join(testdata, "demons", "version-2.json")],
  ["mine", "--mine", join(testdata, "demons", "no-such-file.json")],
  ["mine", "--mine", testdata],
  ["recipes", "オーディン"],
  ["recipes", "Odin", "--curse", "--reverse", "--race", "女神", "--limit", "60"],
  ["recipes", "ロア", "--skill", "アギ", "--skill", "63", "--auto"],
  ["recipes", "ピクシー", "--neutral"],
  ["recipes", "ベルゼブブ84"],
  ["recipes", "トランペッター"],
  ["recipes", "セイリュウ"],
  ["recipes", "オーディン", "--limit", "100"],
  ["recipes", "7/11"],
  ["demons"],
  ["demons", "--skill", "アギ", "--skill", "マハラギ"],
  ["demons", "--skill", "Agi", "--innate", "--race", "妖精"],
  ["demons", "--sort", "-level", "--max-level", "20"],
  ["demons", "--sort", "fire"],
  ["demons", "--sort", "nosuchcolumn"],
  ["demons", "--skill", "1", "--skill", "2", "--skill", "3", "--skill", "4", "--skill", "5"],
  ["skills"],
  ["skills", "アギ", "ジオ", "Bufu"],
  ["skills", "--kind", "passive", "--element", "none"],
  ["skills", "--kind", "ailment"],
  ["skills", "--element", "nosuchelement"],
  ["chart"],
  ["chart", "--curse"],
  ["plan", "--help"],
  ["plan", "ピクシー", "--skill", "アギ"],
  ["plan", "ジャックフロスト", "--skill", "アギ", "--skill", "ジオ", "--count", "3"],
  ["plan", "ピクシー", "--skill", "マハラギ", "--no-levelling", "--depth", "2", "--limit", "30"],
  ["plan", "ピクシー", "--skill", "アギ", "--exclude", "カハク,ジャックランタン"],
  ["plan", "ピクシー", "--skill", "アギ", "--owned", "カハク,シキガミ,エアロス,ジャックフロスト"],
  ["plan", "ピクシー", "--skill", "アギ", "--use-mine", "--mine", mine],
  ["plan", "ピクシー", "--skill", "アギ", "--only-mine", "--mine", mine],
  ["plan", "オーディン", "--skill", "アギ", "--limit", "30"],
  ["plan", "ピクシー", "--skill", "チャージ"],
  ["plan", "ベルゼブブ84", "--skill", "アギ"],
  ["plan", "ピクシー"],
  ["plan", "ピクシー", "--skill", "nosuchskill"],
];

function variants(words: string[]): { words: string[]; env: NodeJS.ProcessEnv }[] {
  const env: NodeJS.ProcessEnv = { PATH: process.env.PATH, HOME: home, XDG_DATA_HOME: home };
  const asked = [
    ...["ja", "en"].flatMap((lang) => [
      { words: [...words, "--lang", lang], env },
      { words: [...words, "--json", "--lang", lang], env },
    ]),
  ];
  // Without --lang, messages follow the locale; answers stay Japanese.
  for (const LANG of ["ja_JP.UTF-8", "C"]) asked.push({ words, env: { ...env, LANG } });
  return asked;
}

test("the wasm qmoor prints what the native qmoor prints", async () => {
  const cases = requests.flatMap(variants);
  const mismatches: string[] = [];
  let next = 0;
  const worker = async () => {
    while (next < cases.length) {
      const { words, env } = cases[next++]!;
      const [expected, actual] = await Promise.all([run([native], words, env), run([process.execPath, wasm], words, env)]);
      const label = `qmoor ${words.join(" ")}${env.LANG ? ` (LANG=${env.LANG})` : ""}`;
      if (expected.status !== actual.status) mismatches.push(`${label}: status ${expected.status} vs ${actual.status}`);
      if (!expected.stdout.equals(actual.stdout)) mismatches.push(`${label}: standard output differs`);
      if (!expected.stderr.equals(actual.stderr)) {
        mismatches.push(`${label}: errors differ:\n  ${expected.stderr.toString()}  ${actual.stderr.toString()}`);
      }
    }
  };
  await Promise.all([worker(), worker()]);
  assert.deepEqual(mismatches, [], `${mismatches.length} of ${cases.length} commands differ`);
});
