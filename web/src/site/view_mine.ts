// My demons (qmoor mine): the list kept in the browser, each with its level,
// skills and what qmoor finds wrong with it, what every pair of them makes,
// and the import and export of the desktop's demons.json.
import { h, table } from "./dom.js";
import { addDemon, removeDemon, storedDemons, storeDemons } from "./mine_store.js";
import type { Names } from "./names.js";
import { demonCells, demonLink, type Ref, type ToolContext, type View } from "./view.js";
import { listed, say } from "./words.js";

interface MineAnswer {
  demons: { demon: Ref | null; level: number | null; skills: string[]; problem: string | null }[];
  fusions: { materials: [number, number]; results: { result: Ref; kind: "normal" | "phase" | "spirit"; inherits: number }[] }[];
}

function findDemon(names: Names, typed: string): Ref | undefined {
  const bySlot = /^(\d+)\/(\d+)$/.exec(typed);
  if (bySlot) return names.demons.find((ref) => ref.race === Number(bySlot[1]) && ref.slot === Number(bySlot[2]));
  return names.demons.find((ref) => ref.name === typed);
}

function addForm(context: ToolContext): HTMLElement {
  const { lang } = context.shown;
  const skillInputs = [1, 2, 3, 4, 5, 6, 7, 8].map((n) =>
    h("div", { class: "field" }, h("label", { for: `mine-skill${n}` }, say(lang, "skillN", n)),
      h("input", { id: `mine-skill${n}`, type: "text", list: "names-skills", autocomplete: "off" })));
  const demon = h("input", { id: "mine-demon", type: "text", list: "names-demons", autocomplete: "off", required: true });
  const level = h("input", { id: "mine-level", type: "number", min: "1", max: "99", required: true });
  const form = h("form", { class: "query", "aria-label": say(lang, "add") },
    h("div", { class: "field" }, h("label", { for: "mine-demon" }, say(lang, "demon")), demon),
    h("div", { class: "field" }, h("label", { for: "mine-level" }, say(lang, "level")), level),
    skillInputs, h("button", { type: "submit" }, say(lang, "add")));
  form.addEventListener("submit", (event) => {
    event.preventDefault();
    const ref = findDemon(context.names, demon.value.trim());
    const typedSkills = skillInputs.map((field) => field.querySelector("input")!.value.trim()).filter((name) => name !== "");
    const skills = typedSkills.map((name) => context.names.skills.find((skill) => skill.name === name || String(skill.number) === name));
    const unknown = [...(ref ? [] : [demon.value]), ...typedSkills.filter((_, i) => !skills[i])];
    if (unknown.length > 0) return context.tell(`${say(lang, "error")}: ${unknown.join(", ")}`);
    addDemon({ race: ref!.race, slot: ref!.slot, level: Number(level.value) || ref!.level, skills: skills.map((s) => s!.number) });
    form.reset();
    context.again();
  });
  return form;
}

function fileTools(context: ToolContext): HTMLElement {
  const { lang } = context.shown;
  const input = h("input", { id: "mine-import", type: "file", accept: ".json,application/json" });
  input.addEventListener("change", async () => {
    const text = await input.files?.[0]?.text();
    if (text === undefined) return;
    const answer = await context.check(text);
    input.value = "";
    // A file qmoor cannot read leaves the list as it was.
    if (answer.status !== 0) return context.tell(say(lang, "importFailed", answer.errors.trim()));
    storeDemons(text);
    context.tell(say(lang, "imported", (JSON.parse(answer.output) as MineAnswer).demons.length));
    context.again();
  });
  const exportButton = h("button", { type: "button", id: "mine-export" }, say(lang, "export"));
  exportButton.addEventListener("click", () => {
    const link = h("a", { href: URL.createObjectURL(new Blob([storedDemons() ?? ""], { type: "application/json" })), download: "demons.json" });
    link.click();
    URL.revokeObjectURL(link.href);
  });
  return h("div", { class: "tools" }, h("label", { for: "mine-import" }, say(lang, "import")), input, exportButton);
}

export const mineView: View = {
  name: "mine",
  verb: "mine",
  needs: [],
  fields: [{ key: "curse", kind: "check", label: "curse", flag: "--curse" }],
  tools: (context) => h("div", {}, fileTools(context), addForm(context)),
  render(answer: MineAnswer, shown, again) {
    const { lang } = shown;
    const removeButton = (index: number) => {
      const button = h("button", { type: "button", "aria-label": `${say(lang, "remove")} ${index + 1}` }, say(lang, "remove"));
      button.addEventListener("click", () => { removeDemon(index); again(); });
      return button;
    };
    const name = (index: number) => answer.demons[index]?.demon?.name ?? "";
    return h("div", {},
      answer.demons.length === 0 ? h("p", {}, say(lang, "noDemons")) :
        table(say(lang, "myDemons"),
          [say(lang, "level"), say(lang, "race"), say(lang, "demon"), say(lang, "heldSkills"), say(lang, "problem"), say(lang, "remove")],
          answer.demons.map((d, i) => [...demonCells(d.demon ? { ...d.demon, level: d.level ?? d.demon.level } : null, shown),
            listed(lang, d.skills), d.problem ?? "", removeButton(i)])),
      answer.fusions.length > 0 && table(say(lang, "pairs"), [say(lang, "materialA"), say(lang, "materialB"), say(lang, "result")],
        answer.fusions.map((f) => [name(f.materials[0]), name(f.materials[1]),
          h("ul", { class: "plain" }, f.results.map((r) => h("li", {}, `${say(lang, r.kind)}: `, demonLink(r.result, shown),
            ` (${say(lang, "inherits")} ${r.inherits})`)))])));
  },
};
