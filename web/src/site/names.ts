// The names the page offers in its lists (demons, skills, races), asked of
// qmoor in the page's language.
import type { Answer } from "./messages.js";
import type { Ref } from "./view.js";
import { h } from "./dom.js";
import type { Lang } from "./words.js";

export interface Names {
  demons: Ref[];
  skills: { number: number; name: string }[];
  races: string[];
}

type Ask = (words: string[]) => Promise<Answer>;

export async function loadNames(ask: Ask, lang: Lang): Promise<Names> {
  const json = async (words: string[]) => JSON.parse((await ask([...words, "--json", "--lang", lang])).output);
  const [demons, skills, chart] = await Promise.all([json(["demons"]), json(["skills"]), json(["chart"])]);
  return {
    demons: demons.demons.map((row: { ref: Ref }) => row.ref),
    skills: skills.skills.map((s: { number: number; name: string }) => ({ number: s.number, name: s.name })),
    races: chart.races,
  };
}

// The datalists the fields' name lists refer to.
export function nameLists(names: Names): HTMLElement[] {
  const list = (id: string, values: string[]) => h("datalist", { id }, values.map((value) => h("option", { value })));
  return [
    list("names-demons", names.demons.map((ref) => ref.name)),
    list("names-skills", names.skills.map((skill) => skill.name)),
    list("names-races", names.races),
  ];
}
