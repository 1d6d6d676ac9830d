// What every view is: the qmoor verb it asks, its form's fields, and how it
// shows the JSON answer. Also the pieces the views' answers share.
import { h } from "./dom.js";
import type { Field } from "./form.js";
import type { Answer } from "./messages.js";
import type { Names } from "./names.js";
import { say, type Lang, type Word } from "./words.js";

// A demon as qmoor's JSON names it.
export interface Ref {
  race: number;
  slot: number;
  name: string;
  level: number;
}

export interface Shown {
  lang: Lang;
  races: readonly string[];  // race names in race order, in the page's language
}

export interface View {
  name: Word & string;
  verb: string;
  fields: readonly Field[];
  // The keys that must be chosen before qmoor is asked.
  needs: readonly string[];
  // The words after the verb; by default the fields' own.
  words?: (choices: Record<string, string>) => string[];
  // Asked on the planner's own Worker, with progress and cancel.
  long?: boolean;
  render(answer: any, shown: Shown, again: () => void): Node;
  // Controls beside the form that change what the view answers from.
  tools?: (context: ToolContext) => Node;
}

export interface ToolContext {
  shown: Shown;
  names: Names;
  // Asks qmoor about a file of my demons given as text.
  check(demonsFile: string): Promise<Answer>;
  again(): void;  // asks the view's question again
  tell(message: string): void;  // says it in the page's status line
}

// A demon, as a link to how it is made.
export function demonLink(ref: Ref | null, shown: Shown): Node {
  if (!ref) return document.createTextNode(say(shown.lang, "none"));
  return h("a", { href: `#/recipes?target=${ref.race}/${ref.slot}&lang=${shown.lang}` }, ref.name);
}

export function raceName(race: number, shown: Shown): string {
  return shown.races[race] ?? String(race);
}

export function demonCells(ref: Ref | null, shown: Shown): (Node | string | number)[] {
  return ref ? [ref.level, raceName(ref.race, shown), demonLink(ref, shown)] : ["", "", say(shown.lang, "none")];
}

export function heading(text: string): HTMLElement {
  return h("h3", {}, text);
}
