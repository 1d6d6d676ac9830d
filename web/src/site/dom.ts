// Small helpers that build the page's elements: an element with attributes
// and children, and a table with a caption, header row and body.
type Child = Node | string | number | null | undefined | false;

export function h<K extends keyof HTMLElementTagNameMap>(
  tag: K,
  attributes: Record<string, string | boolean> = {},
  ...children: (Child | Child[])[]
): HTMLElementTagNameMap[K] {
  const element = document.createElement(tag);
  for (const [name, value] of Object.entries(attributes)) {
    if (value === false) continue;
    element.setAttribute(name, value === true ? "" : value);
  }
  for (const child of children.flat()) {
    if (child === null || child === undefined || child === false) continue;
    element.append(typeof child === "number" ? String(child) : child);
  }
  return element;
}

// A table in a box that scrolls sideways on a narrow screen.
export function table(caption: string, headers: string[], rows: Child[][]): HTMLElement {
  return h("div", { class: "scroll", tabindex: "0" },
    h("table", {},
      h("caption", {}, caption),
      h("thead", {}, h("tr", {}, headers.map((header) => h("th", { scope: "col" }, header)))),
      h("tbody", {}, rows.map((row) => h("tr", {}, row.map((cell) => h("td", {}, cell)))))));
}
