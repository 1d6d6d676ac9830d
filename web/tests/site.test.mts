// The site in headless Chromium: every view answers as qmoor --json does for
// the same query; the language switch, addresses, back and forward, the
// planner's cancel, my demons' import and export, keyboard use, offline use
// and axe-core's accessibility rules.
import assert from "node:assert/strict";
import { mkdirSync, mkdtempSync, readFileSync, readdirSync } from "node:fs";
import { createRequire } from "node:module";
import { tmpdir } from "node:os";
import { join } from "node:path";
import { after, before, test } from "node:test";
import { fileURLToPath } from "node:url";
import type { Browser, Page } from "puppeteer-core";
import { answeredMark, demonNames, launch, nativeJson, openAnswer, serveSite, shownDemons, waitForAnswer, type Served } from "./browser.mjs";

const testdata = process.env.QMOOR_TESTDATA ?? "";
let served: Served;
let browser: Browser;
let page: Page;

before(async () => {
  served = await serveSite();
  browser = await launch();
  page = await browser.newPage();
});
after(async () => {
  await browser?.close();
  served?.stop();
});

// Each view at an address, and the qmoor command line it stands for.
const queries: { hash: string; words: string[] }[] = [
  { hash: "#/recipes?target=オーディン&limit=70&lang=ja", words: ["recipes", "オーディン", "--limit", "70"] },
  { hash: "#/recipes?target=Loa&skill1=Agi&curse=1&lang=en", words: ["recipes", "Loa", "--curse", "--skill", "Agi", "--lang", "en"] },
  { hash: "#/fuse?a=ピクシー&al=20&b=ヴィシュヌ&lang=ja", words: ["fuse", "ピクシー@20", "ヴィシュヌ"] },
  { hash: "#/partners?a=ピクシー&curse=1&lang=ja", words: ["partners", "ピクシー", "--curse"] },
  { hash: "#/demons?skill1=アギ&race=妖精&lang=ja", words: ["demons", "--skill", "アギ", "--race", "妖精"] },
  { hash: "#/demons?sort=-level&maxLevel=30&lang=en", words: ["demons", "--sort", "-level", "--max-level", "30", "--lang", "en"] },
  { hash: "#/skills?names=アギ,ジオ&lang=ja", words: ["skills", "アギ", "ジオ"] },
  { hash: "#/plan?target=ピクシー&skill1=アギ&count=3&lang=ja", words: ["plan", "ピクシー", "--skill", "アギ", "--count", "3"] },
];

test("each view names the demons qmoor --json names, in its order", async () => {
  for (const query of queries) {
    await openAnswer(page, served.origin, query.hash);
    assert.deepEqual(await shownDemons(page), demonNames(await nativeJson(query.words)), query.hash);
  }
});

test("the chart shows the race qmoor gives for every pair", async () => {
  await openAnswer(page, served.origin, "#/chart?curse=1&lang=en");
  const chart = (await nativeJson(["chart", "--curse", "--lang", "en"])) as { races: string[]; cells: (number | null)[][] };
  const cells = await page.$$eval(".answer tbody tr", (rows) => rows.map((row) => [...row.querySelectorAll("td")].map((cell) => cell.textContent)));
  assert.deepEqual(cells, chart.cells.map((row) => row.map((cell) => (cell === null ? "" : chart.races[cell]))));
});

test("a request qmoor refuses shows its message and no answer", async () => {
  await openAnswer(page, served.origin, "#/fuse?a=xyzzy&b=ピクシー&lang=en");
  const alert = await page.$eval(".status [role=alert]", (element) => element.textContent);
  assert.match(alert ?? "", /unknown demon 'xyzzy'/);
  assert.deepEqual(await shownDemons(page), []);
});

test("the language switch shows the same answer in the other language at once", async () => {
  await openAnswer(page, served.origin, "#/recipes?target=オーディン&lang=ja");
  assert.equal(await page.$eval("h2", (e) => e.textContent), "合体検索");
  const mark = await answeredMark(page);
  await page.click('.language button[lang="en"]');
  await waitForAnswer(page, mark);
  assert.equal(await page.$eval("h2", (e) => e.textContent), "Recipes");
  assert.equal(await page.$eval("html", (e) => e.lang), "en");
  assert.deepEqual(await shownDemons(page), demonNames(await nativeJson(["recipes", "オーディン", "--lang", "en"])));
  assert.match(page.url(), /lang=en/);
});

test("a query typed with the keyboard gets an address that brings it back, and back and forward move between answers", async () => {
  await openAnswer(page, served.origin, "#/chart?lang=ja");
  await page.goto(`${served.origin}/#/fuse?lang=ja`);
  await page.waitForSelector("#field-a");
  await page.focus("#field-a");
  await page.keyboard.type("ピクシー");
  await page.keyboard.press("Tab");
  await page.keyboard.type("30");
  await page.keyboard.press("Tab");
  await page.keyboard.type("ジャックフロスト");
  await page.keyboard.press("Enter");
  await waitForAnswer(page);
  const address = page.url();
  assert.match(decodeURIComponent(address), /#\/fuse\?a=ピクシー&al=30&b=ジャックフロスト/);
  const shown = await shownDemons(page);
  assert.deepEqual(shown, demonNames(await nativeJson(["fuse", "ピクシー@30", "ジャックフロスト"])));

  const other = await browser.newPage();
  await other.goto(address);
  await waitForAnswer(other);
  assert.deepEqual(await shownDemons(other), shown);
  assert.equal(await other.$eval("#field-al", (e) => (e as HTMLInputElement).value), "30");
  await other.close();

  await page.goBack();
  await page.waitForSelector("#field-a");
  assert.equal(await page.$eval("#field-a", (e) => (e as HTMLInputElement).value), "");
  await page.goForward();
  await waitForAnswer(page);
  assert.deepEqual(await shownDemons(page), shown);
});

test("the planner can be cancelled, and answers again afterwards", async () => {
  await page.goto(`${served.origin}/#/chart?lang=ja`);
  await waitForAnswer(page);
  // A search of minutes without a bound on its time.
  const hard = "#/plan?target=オーディン&skill1=アギ&skill2=ジオ&skill3=ブフ&skill4=ザン&skill5=ハマ&time=0&lang=ja";
  await page.goto(`${served.origin}/${hard}`);
  await page.waitForSelector("#cancel", { timeout: 30000 });
  await new Promise((resolve) => setTimeout(resolve, 1000));
  assert.ok(await page.$eval(".answer", (answer) => answer.hasAttribute("aria-busy")), "the plan is still searched");
  await page.click("#cancel");
  await page.waitForFunction(() => document.querySelector(".status")?.textContent === "中止しました");
  await openAnswer(page, served.origin, "#/plan?target=ピクシー&skill1=アギ&lang=ja");
  assert.deepEqual(await shownDemons(page), demonNames(await nativeJson(["plan", "ピクシー", "--skill", "アギ"])));
});

test("my demons are imported from and exported to the desktop's demons.json; a bad file changes nothing", async () => {
  const mine = join(testdata, "demons", "mine.json");
  await openAnswer(page, served.origin, "#/mine?lang=ja");
  const input = await page.$("#mine-import");
  let mark = await answeredMark(page);
  await (input as any).uploadFile(mine);
  await waitForAnswer(page, mark);
  const expected = await nativeJson(["mine", "--mine", mine]);
  assert.deepEqual(await shownDemons(page), demonNames(expected));
  assert.equal(await page.$$eval(".answer table", (tables) => (tables[0] as HTMLTableElement).tBodies[0]!.rows.length), 5);

  await (await page.$("#mine-import") as any).uploadFile(join(testdata, "demons", "not-json.json"));
  await page.waitForSelector(".status [role=alert]");
  assert.deepEqual(await shownDemons(page), demonNames(expected));

  const downloads = mkdtempSync(join(tmpdir(), "quillmoor-export-"));
  const session = await page.createCDPSession();
  await session.send("Browser.setDownloadBehavior", { behavior: "allow", downloadPath: downloads });
  await page.click("#mine-export");
  const deadline = Date.now() + 10000;
  while (!readdirSync(downloads).includes("demons.json") && Date.now() < deadline) await new Promise((r) => setTimeout(r, 100));
  assert.equal(readFileSync(join(downloads, "demons.json"), "utf8"), readFileSync(mine, "utf8"));

  mark = await answeredMark(page);
  await page.type("#mine-demon", "ジャックフロスト");
  await page.type("#mine-level", "12");
  await page.type("#mine-skill1", "ブフ");
  await page.keyboard.press("Enter");
  await waitForAnswer(page, mark);
  assert.equal(await page.$$eval(".answer table", (tables) => (tables[0] as HTMLTableElement).tBodies[0]!.rows.length), 6);
});

test("every view passes axe-core's rules", async () => {
  const require = createRequire(import.meta.url);
  const axeSource = readFileSync(require.resolve("axe-core/axe.min.js"), "utf8");
  for (const hash of [...queries.map((q) => q.hash), "#/chart?lang=ja", "#/mine?lang=en"]) {
    await openAnswer(page, served.origin, hash);
    await page.evaluate(axeSource);
    const violations = await page.evaluate(async () => {
      const results = await (window as any).axe.run(document);
      return results.violations.map((v: { id: string; nodes: unknown[] }) => `${v.id} (${v.nodes.length})`);
    });
    assert.deepEqual(violations, [], hash);
  }
});

test("once loaded, the site answers offline", async () => {
  await openAnswer(page, served.origin, "#/recipes?target=ピクシー&lang=ja");
  await page.waitForFunction(async () => (await caches.keys()).length > 0 && (await (await caches.open("quillmoor-site")).keys()).length > 5);
  await page.setOfflineMode(true);
  try {
    await page.reload();
    await waitForAnswer(page);
    assert.deepEqual(await shownDemons(page), demonNames(await nativeJson(["recipes", "ピクシー"])));
  } finally {
    await page.setOfflineMode(false);
  }
});

test("every view fits a 360 px phone and a 1280 px desktop (pictures in build-web/screenshots/)", async () => {
  const pictures = new URL("../screenshots/", import.meta.url);
  mkdirSync(pictures, { recursive: true });
  const views = ["recipes?target=オーディン&limit=70", "fuse?a=ピクシー&al=20&b=ヴィシュヌ", "partners?a=ピクシー", "demons?skill1=アギ",
    "skills?names=アギ,ジオ", "chart", "plan?target=ピクシー&skill1=アギ&count=3", "mine"];
  for (const width of [360, 1280]) {
    await page.setViewport({ width, height: width === 360 ? 740 : 900 });
    for (const view of views) {
      const lang = width === 360 ? "ja" : "en";
      await openAnswer(page, served.origin, `#/${view}&lang=${lang}`.replace(/^(#\/[a-z]+)&/, "$1?"));
      const pageWidth = await page.evaluate(() => document.documentElement.scrollWidth);
      assert.ok(pageWidth <= width, `${view} at ${width} px is ${pageWidth} px wide`);
      await page.screenshot({ path: fileURLToPath(new URL(`${view.replace(/\?.*/, "")}-${width}.png`, pictures)) as `${string}.png`, fullPage: true });
    }
  }
  await page.setViewport({ width: 800, height: 600 });
});
