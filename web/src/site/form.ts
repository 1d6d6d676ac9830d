// A view's form: its fields as labelled controls, the choices they hold (as
// the address keeps them) and the qmoor command line they make.
import { h } from "./dom.js";
import { say, type Lang, type Word } from "./words.js";

export type NameList = "demons" | "skills" | "races";

interface FieldBase {
  key: string;
  label: Word;
  n?: number;  // fills %1 of the label
}
export type Field =
  | (FieldBase & { kind: "text"; flag?: string; list?: NameList })  // no flag: a positional word
  | (FieldBase & { kind: "check"; flag: string })
  | (FieldBase & { kind: "number"; flag?: string; min: number; max: number })  // no flag: a positional word
  | (FieldBase & { kind: "select"; flag: string; options: readonly string[]; optionLabel: (lang: Lang, option: string) => string })
  // Each option is itself a flag ("" for none).
  | (FieldBase & { kind: "flags"; options: readonly { flag: string; label: Word }[] });

function control(field: Field, id: string, value: string, lang: Lang): HTMLElement {
  switch (field.kind) {
    case "text":
      return h("input", { id, name: field.key, type: "text", value, autocomplete: "off", list: field.list ? `names-${field.list}` : false });
    case "check":
      return h("input", { id, name: field.key, type: "checkbox", checked: value === "1" });
    case "number":
      return h("input", { id, name: field.key, type: "number", inputmode: "numeric", min: String(field.min), max: String(field.max), value });
    case "select":
      return h("select", { id, name: field.key },
        h("option", { value: "", selected: value === "" }, say(lang, "any")),
        field.options.map((option) => h("option", { value: option, selected: value === option }, field.optionLabel(lang, option))));
    case "flags":
      return h("select", { id, name: field.key },
        field.options.map((option) => h("option", { value: option.flag, selected: value === option.flag }, say(lang, option.label))));
  }
}

export function formFields(fields: readonly Field[], choices: Record<string, string>, lang: Lang): HTMLElement[] {
  return fields.map((field) => {
    const id = `field-${field.key}`;
    const label = h("label", { for: id }, say(lang, field.label, field.n ?? ""));
    const input = control(field, id, choices[field.key] ?? "", lang);
    return h("div", { class: field.kind === "check" ? "field check" : "field" },
      field.kind === "check" ? [input, label] : [label, input]);
  });
}

// The choices the form's controls hold now.
export function formChoices(form: HTMLFormElement, fields: readonly Field[]): Record<string, string> {
  const choices: Record<string, string> = {};
  for (const field of fields) {
    const element = form.elements.namedItem(field.key) as HTMLInputElement | HTMLSelectElement | null;
    if (!element) continue;
    choices[field.key] = element instanceof HTMLInputElement && element.type === "checkbox"
      ? (element.checked ? "1" : "")
      : element.value.trim();
  }
  return choices;
}

// The words of the choices: positionals first, then each flag with its value.
export function commandWords(fields: readonly Field[], choices: Record<string, string>): string[] {
  const positionals: string[] = [];
  const options: string[] = [];
  for (const field of fields) {
    const value = choices[field.key] ?? "";
    if (value === "") continue;
    switch (field.kind) {
      case "text": case "number":
        if (field.flag) options.push(field.flag, value);
        else positionals.push(value);
        break;
      case "check": options.push(field.flag); break;
      case "select": options.push(field.flag, value); break;
      case "flags": options.push(value); break;
    }
  }
  return [...positionals, ...options];
}
