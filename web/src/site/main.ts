// The page: a view for each question the desktop's tool windows answer. A
// choice of the player becomes the page's address (route.ts); the address
// becomes a qmoor command line, answered by the wasm qmoor in a Worker
// (client.ts) as JSON, which the view renders (view_*.ts). Words come from
// words.ts; no fusion rule is worked out here.
import { Cancelled, QmoorWorker } from "./client.js";
import { h } from "./dom.js";
import { commandWords, formChoices, formFields } from "./form.js";
import { storedDemons } from "./mine_store.js";
import { loadNames, nameLists, type Names } from "./names.js";
import { keepForOffline } from "./offline.js";
import { readRoute, routeHash, type Route } from "./route.js";
import type { View } from "./view.js";
import { fuseView, partnersView } from "./view_fuse.js";
import { mineView } from "./view_mine.js";
import { planView } from "./view_plan.js";
import { recipesView } from "./view_recipes.js";
import { chartView, demonsView, skillsView } from "./view_tables.js";
import { say, type Lang } from "./words.js";

const views: readonly View[] = [recipesView, fuseView, partnersView, demonsView, skillsView, chartView, planView, mineView];
const quick = new QmoorWorker();
const planner = new QmoorWorker();
const names = new Map<Lang, Promise<Names>>();
let shownRoute = "";

function languageOf(route: Route): Lang {
  const chosen = route.choices.lang ?? localStorage.getItem("quillmoor.lang");
  return chosen === "en" ? "en" : "ja";
}

function namesIn(lang: Lang): Promise<Names> {
  if (!names.has(lang)) names.set(lang, loadNames((words) => quick.ask(words, null), lang));
  return names.get(lang)!;
}

function go(route: Route): void {
  location.hash = routeHash(route);
}

function header(route: Route, view: View, lang: Lang): HTMLElement {
  const switchTo = (to: Lang) => {
    const button = h("button", { type: "button", lang: to, "aria-pressed": String(lang === to) }, to === "ja" ? "日本語" : "English");
    button.addEventListener("click", () => {
      localStorage.setItem("quillmoor.lang", to);
      go({ view: route.view || view.name, choices: { ...route.choices, lang: to } });
    });
    return button;
  };
  return h("header", {},
    h("h1", {}, say(lang, "title")),
    h("div", { class: "language", role: "group", "aria-label": say(lang, "language") }, switchTo("ja"), switchTo("en")),
    h("nav", { "aria-label": say(lang, "views") }, h("ul", {}, views.map((v) =>
      h("li", {}, h("a", { href: routeHash({ view: v.name, choices: { lang } }), "aria-current": v === view ? "page" : false }, say(lang, v.name)))))));
}

async function answer(view: View, route: Route, lang: Lang, result: HTMLElement, status: HTMLElement): Promise<void> {
  const choices = route.choices;
  if (view.needs.some((key) => !choices[key])) return;
  const words = [view.verb, ...(view.words ?? ((c) => commandWords(view.fields, c)))(choices), "--json", "--lang", lang];
  const worker = view.long ? planner : quick;
  result.setAttribute("aria-busy", "true");
  const started = performance.now();
  const cancel = h("button", { type: "button", id: "cancel" }, say(lang, "cancel"));
  const progress = h("span", {}, say(lang, "working", 0));
  const ticker = setInterval(() => { progress.textContent = say(lang, "working", Math.floor((performance.now() - started) / 1000)); }, 1000);
  if (view.long) {
    cancel.addEventListener("click", () => worker.cancel());
    status.replaceChildren(progress, " ", cancel);
  }
  try {
    const reply = await worker.ask(words, storedDemons());
    if (routeHash(route) !== shownRoute) return;
    if (reply.status !== 0) {
      status.replaceChildren(h("span", { role: "alert" }, reply.errors.trim()));
      result.replaceChildren();
    } else {
      status.replaceChildren();
      result.replaceChildren(view.render(JSON.parse(reply.output), { lang, races: (await namesIn(lang)).races }, () => show(true)));
    }
    result.dataset.answered = String(performance.now() - started);
    // The moment the first answer shows, for the site's figures.
    if (performance.getEntriesByName("quillmoor-answer").length === 0) performance.mark("quillmoor-answer");
  } catch (error) {
    status.replaceChildren(error instanceof Cancelled ? say(lang, "cancelled") : String(error));
  } finally {
    clearInterval(ticker);
    result.removeAttribute("aria-busy");
  }
}

async function show(again = false): Promise<void> {
  const route = readRoute(location.hash);
  const view = views.find((v) => v.name === route.view) ?? recipesView;
  const lang = languageOf(route);
  if (!again && routeHash(route) === shownRoute) return;
  shownRoute = routeHash(route);
  document.documentElement.lang = lang;
  document.title = `${say(lang, view.name)} — ${say(lang, "title")}`;
  planner.cancel();

  const status = h("p", { class: "status", role: "status", "aria-live": "polite" });
  const result = h("section", { class: "answer", "aria-live": "polite", "aria-label": say(lang, "result") });
  const form = h("form", { class: "query", "aria-label": say(lang, view.name) },
    formFields(view.fields, route.choices, lang), h("button", { type: "submit" }, say(lang, "ask")));
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    go({ view: view.name, choices: { ...formChoices(form, view.fields), lang } });
  });
  const main = h("main", {}, h("h2", {}, say(lang, view.name)), form, status, result);
  document.body.replaceChildren(header(route, view, lang), main);
  // The question is asked before the name lists, so that it is answered first.
  const answered = answer(view, route, lang, result, status);
  const loaded = await namesIn(lang);
  form.after(h("div", { hidden: true }, nameLists(loaded)));
  if (view.tools) {
    status.before(view.tools({
      shown: { lang, races: loaded.races },
      names: loaded,
      check: (text) => quick.ask(["mine", "--json", "--lang", lang], text),
      again: () => show(true),
      tell: (message) => status.replaceChildren(h("span", { role: "alert" }, message)),
    }));
  }
  await answered;
}

window.addEventListener("hashchange", () => show());
show();
keepForOffline().catch(() => undefined);
