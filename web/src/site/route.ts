// The page's address: #/VIEW?key=value&…, the view and its choices (the
// language among them), so that an answer can be bookmarked and shared and
// back and forward move between queries.
export interface Route {
  view: string;
  choices: Record<string, string>;
}

export function readRoute(hash: string): Route {
  const match = /^#\/([a-z]+)(?:\?(.*))?$/.exec(hash);
  if (!match) return { view: "", choices: {} };
  return { view: match[1]!, choices: Object.fromEntries(new URLSearchParams(match[2] ?? "")) };
}

export function routeHash(route: Route): string {
  const filled = Object.entries(route.choices).filter(([, value]) => value !== "");
  const query = new URLSearchParams(filled).toString();
  return `#/${route.view}${query ? `?${query}` : ""}`;
}
