// What the browser tests share: the built site served on 127.0.0.1 by the
// same server scripts/web uses, Debian's headless Chromium driven by
// puppeteer-core, and the native qmoor to compare the page with.
import { execFile, spawn, type ChildProcess } from "node:child_process";
import { fileURLToPath } from "node:url";
import puppeteer, { type Browser, type Page } from "puppeteer-core";

export const siteDir = process.env.QMOOR_SITE ?? fileURLToPath(new URL("../site", import.meta.url));
export const chromium = process.env.QMOOR_CHROMIUM ?? "/usr/bin/chromium-headless-shell";

export interface Served {
  origin: string;
  stop(): void;
}

// Serves the site on a free port of 127.0.0.1 and says where.
export function serveSite(): Promise<Served> {
  const server: ChildProcess = spawn("python3", ["-u", "-m", "http.server", "0", "--bind", "127.0.0.1", "--directory", siteDir],
    { stdio: ["ignore", "pipe", "pipe"] });
  return new Promise((resolve, reject) => {
    server.on("error", reject);
    server.on("exit", (code) => reject(new Error(`the server stopped with status ${code}`)));
    server.stdout!.on("data", (data: Buffer) => {
      const port = /port (\d+)/.exec(data.toString())?.[1];
      if (port) resolve({ origin: `http://127.0.0.1:${port}`, stop: () => server.kill() });
    });
  });
}

export function launch(): Promise<Browser> {
  return puppeteer.launch({ executablePath: chromium, headless: true, args: ["--no-sandbox", "--lang=ja"] });
}

// The page's answer has been shown (or refused) since the given count.
export async function waitForAnswer(page: Page, before = ""): Promise<void> {
  await page.waitForFunction(
    (previous) => {
      const answer = document.querySelector(".answer") as HTMLElement | null;
      return answer !== null && answer.dataset.answered !== undefined && answer.dataset.answered !== previous && !answer.hasAttribute("aria-busy");
    },
    { timeout: 60000 }, before);
}

export async function answeredMark(page: Page): Promise<string> {
  return page.$eval(".answer", (answer) => (answer as HTMLElement).dataset.answered ?? "").catch(() => "");
}

// Opens an address of the site and waits for its answer.
export async function openAnswer(page: Page, origin: string, hash: string): Promise<void> {
  await page.goto(`${origin}/${hash}`);
  await waitForAnswer(page);
}

export function nativeJson(words: string[]): Promise<unknown> {
  const native = process.env.QMOOR_NATIVE;
  if (!native) throw new Error("QMOOR_NATIVE is not set");
  return new Promise((resolve, reject) => {
    execFile(native, [...words, "--json"], { maxBuffer: 64 << 20, env: { PATH: process.env.PATH, HOME: "/nonexistent" } },
      (error, stdout) => (error ? reject(error) : resolve(JSON.parse(stdout))));
  });
}

// The names of every demon a JSON answer names, in its order.
export function demonNames(json: unknown): string[] {
  if (Array.isArray(json)) return json.flatMap(demonNames);
  if (json === null || typeof json !== "object") return [];
  const object = json as Record<string, unknown>;
  if (typeof object.race === "number" && typeof object.slot === "number" && typeof object.name === "string") return [object.name];
  return Object.values(object).flatMap(demonNames);
}

// The demons the page's answer names, in its order.
export function shownDemons(page: Page): Promise<string[]> {
  return page.$$eval('.answer a[href^="#/recipes"]', (links) => links.map((link) => link.textContent ?? ""));
}
