// The compendium (qmoor demons), the skill table with holders (qmoor skills)
// and the race chart (qmoor chart).
import { h, table } from "./dom.js";
import { demonCells, demonLink, raceName, type Ref, type View } from "./view.js";
import { keyword, listed, say, skillElements, skillKinds, sortColumns, type Lang } from "./words.js";

interface DemonRow {
  ref: Ref;
  hp: number;
  mp: number;
  stats: number[];
  resist: string[];
  inherit: string;
  first: string[];
  second: string[];
}

const skillFields = [1, 2, 3, 4].map((n) => ({ key: `skill${n}`, kind: "text", label: "skillN", n, flag: "--skill", list: "skills" } as const));

export const demonsView: View = {
  name: "demons",
  verb: "demons",
  needs: [],
  fields: [
    ...skillFields,
    { key: "innate", kind: "check", label: "innate", flag: "--innate" },
    { key: "race", kind: "text", label: "race", flag: "--race", list: "races" },
    { key: "sort", kind: "select", label: "sort", flag: "--sort", options: [...sortColumns, ...sortColumns.map((c) => `-${c}`)],
      optionLabel: (_lang: Lang, option: string) => option },
    { key: "maxLevel", kind: "number", label: "maxLevel", flag: "--max-level", min: 1, max: 99 },
  ],
  render(answer: { demons: DemonRow[] }, shown) {
    const { lang } = shown;
    return table(`${say(lang, "demons")} (${answer.demons.length})`,
      [say(lang, "level"), say(lang, "race"), say(lang, "demon"), say(lang, "hp"), say(lang, "mp"), say(lang, "stats"),
       say(lang, "resist"), say(lang, "inherit"), say(lang, "firstSkills"), say(lang, "secondSkills")],
      answer.demons.map((row) => [...demonCells(row.ref, shown), row.hp, row.mp, row.stats.join(" "),
        row.resist.join(""), row.inherit, listed(lang, row.first), listed(lang, row.second)]));
  },
};

interface SkillRow {
  number: number;
  name: string;
  kind: string;
  element: string;
  cost: string | null;
  target: string | null;
  power: number | string | null;
  mark: string | null;
  inheritable: boolean;
  description: string | null;
  holders: { demon: Ref; level: number | null }[];
}

export const skillsView: View = {
  name: "skills",
  verb: "skills",
  needs: [],
  fields: [
    { key: "names", kind: "text", label: "skillNames", list: "skills" },
    { key: "kind", kind: "select", label: "kind", flag: "--kind", options: skillKinds, optionLabel: (lang, o) => keyword(lang, "kind", o) },
    { key: "element", kind: "select", label: "element", flag: "--element", options: skillElements,
      optionLabel: (lang, o) => keyword(lang, "element", o) },
  ],
  words: (c) => [...(c.names ?? "").split(/[,、]/).map((name) => name.trim()).filter((name) => name !== ""),
    ...(c.kind ? ["--kind", c.kind] : []), ...(c.element ? ["--element", c.element] : [])],
  render(answer: { skills: SkillRow[] }, shown) {
    const { lang } = shown;
    const named = answer.skills.length <= 8;
    return table(`${say(lang, "skills")} (${answer.skills.length})`,
      [say(lang, "number"), say(lang, "name"), say(lang, "kind"), say(lang, "element"), say(lang, "cost"), say(lang, "targets"),
       say(lang, "power"), say(lang, "mark"), say(lang, "inheritable"), say(lang, "description"), ...(named ? [say(lang, "holders")] : [])],
      answer.skills.map((s) => [s.number, h("a", { href: `#/skills?names=${encodeURIComponent(s.name)}&lang=${lang}` }, s.name),
        keyword(lang, "kind", s.kind), keyword(lang, "element", s.element), s.cost ?? "", s.target ? keyword(lang, "target", s.target) : "",
        s.power ?? "", s.mark ?? "", say(lang, s.inheritable ? "yes" : "no"), s.description ?? "",
        ...(named ? [h("ul", { class: "plain" }, s.holders.map((holder) => h("li", {}, demonLink(holder.demon, shown), " ",
          holder.level === null ? say(lang, "innateHeld") : say(lang, "learnedAt", holder.level))))] : [])]));
  },
};

export const chartView: View = {
  name: "chart",
  verb: "chart",
  needs: [],
  fields: [{ key: "curse", kind: "check", label: "curse", flag: "--curse" }],
  render(answer: { races: string[]; cells: (number | null)[][] }, shown) {
    const { lang } = shown;
    return h("div", { class: "scroll", tabindex: "0" }, h("table", { class: "chart" },
      h("caption", {}, say(lang, "chartCaption")),
      h("thead", {}, h("tr", {}, h("td", {}), answer.races.map((race) => h("th", { scope: "col" }, race)))),
      h("tbody", {}, answer.cells.map((row, a) => h("tr", {}, h("th", { scope: "row" }, answer.races[a]!),
        row.map((cell) => h("td", {}, cell === null ? "" : raceName(cell, shown))))))));
  },
};
