// A demon's recipes: the form's race pairs, material pairs and special
// recipe lines, with the form's options (qmoor recipes).
import { h, table } from "./dom.js";
import { demonCells, demonLink, heading, raceName, type Ref, type View } from "./view.js";
import { say } from "./words.js";

interface Recipes {
  target: Ref;
  racePairs: [number, number][];
  materialPairs: [Ref, Ref][];
  required: [number, number];
  recipeLines: string[];
}

export const recipesView: View = {
  name: "recipes",
  verb: "recipes",
  needs: ["target"],
  fields: [
    { key: "target", kind: "text", label: "target", list: "demons" },
    { key: "curse", kind: "check", label: "curse", flag: "--curse" },
    { key: "neutral", kind: "check", label: "neutral", flag: "--neutral" },
    { key: "reverse", kind: "check", label: "reverse", flag: "--reverse" },
    { key: "race", kind: "text", label: "race", flag: "--race", list: "races" },
    { key: "limit", kind: "number", label: "limit", flag: "--limit", min: 0, max: 99 },
    { key: "auto", kind: "check", label: "auto", flag: "--auto" },
    { key: "skill1", kind: "text", label: "skillN", n: 1, flag: "--skill", list: "skills" },
    { key: "skill2", kind: "text", label: "skillN", n: 2, flag: "--skill", list: "skills" },
  ],
  render(answer: Recipes, shown) {
    const { lang } = shown;
    const [low, high] = answer.required;
    return h("div", {},
      h("h3", {}, `LV${answer.target.level} ${raceName(answer.target.race, shown)} `, demonLink(answer.target, shown)),
      h("p", {}, `${say(lang, "required")}: ${low}～${high}`),
      answer.recipeLines.length > 0 && h("section", {}, heading(say(lang, "recipeLines")),
        h("ul", {}, answer.recipeLines.map((line) => h("li", {}, line)))),
      table(say(lang, "racePairs"), [say(lang, "race"), say(lang, "race")],
        answer.racePairs.map(([a, b]) => [raceName(a, shown), raceName(b, shown)])),
      table(say(lang, "materialPairs"),
        [say(lang, "level"), say(lang, "race"), say(lang, "materialA"), say(lang, "level"), say(lang, "race"), say(lang, "materialB")],
        answer.materialPairs.map(([a, b]) => [...demonCells(a, shown), ...demonCells(b, shown)])),
      answer.materialPairs.length === 0 && answer.racePairs.length === 0 && h("p", {}, demonLink(null, shown)));
  },
};
