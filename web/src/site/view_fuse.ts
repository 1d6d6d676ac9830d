// Forward fusion: what two demons make at their levels (qmoor fuse), and
// every partner of one demon with what each pairing makes (qmoor partners).
import { h, table } from "./dom.js";
import { demonCells, demonLink, heading, type Ref, type Shown, type View } from "./view.js";
import { say } from "./words.js";

interface Made {
  normal: Ref | null;
  phase: Ref[];
  spirit: Ref | null;
}

// NAME@L when a level is chosen, as qmoor takes a material at a level.
function atLevel(name: string | undefined, level: string | undefined): string {
  return level ? `${name}@${level}` : name ?? "";
}

function madeList(made: Made, shown: Shown): Node {
  const results: [string, Ref][] = [
    ...(made.normal ? [[say(shown.lang, "normal"), made.normal] as [string, Ref]] : []),
    ...made.phase.map((ref): [string, Ref] => [say(shown.lang, "phase"), ref]),
    ...(made.spirit ? [[say(shown.lang, "spirit"), made.spirit] as [string, Ref]] : []),
  ];
  if (results.length === 0) return document.createTextNode(say(shown.lang, "none"));
  return h("ul", { class: "plain" }, results.map(([kind, ref]) => h("li", {}, `${kind}: `, demonLink(ref, shown), ` LV${ref.level}`)));
}

export const fuseView: View = {
  name: "fuse",
  verb: "fuse",
  needs: ["a", "b"],
  fields: [
    { key: "a", kind: "text", label: "materialA", list: "demons" },
    { key: "al", kind: "number", label: "levelOf", n: 1, min: 1, max: 99 },
    { key: "b", kind: "text", label: "materialB", list: "demons" },
    { key: "bl", kind: "number", label: "levelOf", n: 2, min: 1, max: 99 },
    { key: "curse", kind: "check", label: "curse", flag: "--curse" },
  ],
  words: (c) => [atLevel(c.a, c.al), atLevel(c.b, c.bl), ...(c.curse ? ["--curse"] : [])],
  render(answer: Made & { materials: [Ref, Ref]; levels: [number, number] }, shown) {
    const { lang } = shown;
    return h("div", {},
      table(say(lang, "fuse"), [say(lang, "demon"), say(lang, "level"), say(lang, "race"), say(lang, "demon")],
        answer.materials.map((ref, i) => [say(lang, i === 0 ? "materialA" : "materialB"), ...demonCells({ ...ref, level: answer.levels[i]! }, shown)])),
      heading(say(lang, "result")),
      madeList(answer, shown));
  },
};

export const partnersView: View = {
  name: "partners",
  verb: "partners",
  needs: ["a"],
  fields: [
    { key: "a", kind: "text", label: "demon", list: "demons" },
    { key: "al", kind: "number", label: "level", min: 1, max: 99 },
    { key: "curse", kind: "check", label: "curse", flag: "--curse" },
    { key: "mineOnly", kind: "check", label: "mineOnly", flag: "--mine-only" },
  ],
  words: (c) => [atLevel(c.a, c.al), ...(c.curse ? ["--curse"] : []), ...(c.mineOnly ? ["--mine-only"] : [])],
  render(answer: { demon: Ref; level: number; partners: (Made & { partner: Ref; level: number })[];
                   specials: { demon: Ref; recipeLines: string[] }[] }, shown) {
    const { lang } = shown;
    return h("div", {},
      h("h3", {}, `LV${answer.level} `, demonLink(answer.demon, shown)),
      table(say(lang, "partners"), [say(lang, "level"), say(lang, "race"), say(lang, "partner"), say(lang, "result")],
        answer.partners.map((p) => [...demonCells({ ...p.partner, level: p.level }, shown), madeList(p, shown)])),
      answer.specials.length > 0 && h("section", {}, heading(say(lang, "specials")),
        h("ul", {}, answer.specials.map((s) => h("li", {}, demonLink(s.demon, shown), `: ${s.recipeLines.join(" ")}`)))));
  },
};
