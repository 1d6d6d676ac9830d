// The skill-route planner (qmoor plan), run on a Worker of its own so that
// it can be cancelled; its options and bound are qmoor plan's.
import { h } from "./dom.js";
import { demonLink, type Ref, type Shown, type View } from "./view.js";
import { listed, say, type Lang } from "./words.js";

interface Material {
  demon: Ref;
  step: number | null;
  mine: number | null;
  level: number;
  learned: string[];
}

interface Step {
  materials: Material[];
  result: Ref;
  kind: "normal" | "spirit" | "phase";
  inherited: string[];
  skills: string[];
}

interface Plan {
  fusions: number;
  steps: Step[];
  target: { level: number; learned: string[] };
}

function materialText(material: Material, shown: Shown): Node {
  const { lang } = shown;
  return h("span", {}, demonLink(material.demon, shown), ` LV${material.level}`,
    material.mine !== null && ` ${say(lang, "asMine")}`,
    material.step !== null && ` ${say(lang, "fromStep", material.step + 1)}`,
    material.learned.length > 0 && ` (${say(lang, "levelUp", material.demon.level, material.level, listed(lang, material.learned))})`);
}

// The orders of plans the bound left unproven, in qmoor's order of keys.
type Settled = Record<"fusions" | "notMine" | "highestLevel" | "levelsGained" | "distinctDemons", boolean>;

function unsettledText(settled: Settled, lang: Lang): string | false {
  const unproven = (Object.keys(settled) as (keyof Settled)[]).filter((order) => !settled[order]);
  return unproven.length > 0 && say(lang, "unsettled", listed(lang, unproven.map((order) => say(lang, `order.${order}` as const))));
}

function targetText(plan: Plan, target: Ref, lang: Lang): string | false {
  if (plan.target.level === target.level && plan.target.learned.length === 0) return false;
  const learned = plan.target.learned.length > 0 ? `: ${listed(lang, plan.target.learned)}` : "";
  return `${say(lang, "targetLevel", plan.target.level)}${learned}`;
}

export const planView: View = {
  name: "plan",
  verb: "plan",
  needs: ["target", "skill1"],
  long: true,
  fields: [
    { key: "target", kind: "text", label: "target", list: "demons" },
    ...[1, 2, 3, 4, 5, 6, 7, 8].map((n) => ({ key: `skill${n}`, kind: "text", label: "skillN", n, flag: "--skill", list: "skills" } as const)),
    { key: "limit", kind: "number", label: "limit", flag: "--limit", min: 1, max: 99 },
    { key: "curse", kind: "check", label: "curse", flag: "--curse" },
    { key: "depth", kind: "number", label: "depth", flag: "--depth", min: 1, max: 6 },
    { key: "count", kind: "number", label: "count", flag: "--count", min: 1, max: 100 },
    { key: "mine", kind: "flags", label: "mine",
      options: [{ flag: "", label: "any" }, { flag: "--use-mine", label: "useMine" }, { flag: "--only-mine", label: "onlyMine" }] },
    { key: "noLevelling", kind: "check", label: "noLevelling", flag: "--no-levelling" },
    { key: "exclude", kind: "text", label: "exclude", flag: "--exclude" },
    { key: "time", kind: "number", label: "time", flag: "--time", min: 0, max: 3600 },
  ],
  render(answer: { target: Ref; skills: string[]; plans: Plan[]; settled: Settled; reason?: string }, shown) {
    const { lang } = shown;
    return h("div", {},
      h("h3", {}, demonLink(answer.target, shown), `: ${listed(lang, answer.skills)}`),
      answer.plans.length === 0 && h("p", {}, say(lang, "noPlan"), answer.reason ? `: ${answer.reason}` : ""),
      answer.plans.length > 0 && h("p", {}, unsettledText(answer.settled, lang)),
      answer.plans.map((plan, p) => h("section", { class: "plan" },
        h("h4", {}, say(lang, "planN", p + 1, plan.fusions)),
        h("ol", {}, plan.steps.map((step) => h("li", {},
          materialText(step.materials[0]!, shown), " × ", materialText(step.materials[1]!, shown), " → ",
          demonLink(step.result, shown), ` (${say(lang, step.kind)})`,
          h("br", {}), `${say(lang, "inherits")}: ${listed(lang, step.inherited)} / ${say(lang, "holds")}: ${listed(lang, step.skills)}`))),
        h("p", {}, targetText(plan, answer.target, lang)))));
  },
};
