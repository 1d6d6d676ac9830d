// My demons, kept in the browser's storage as the text of the desktop's
// demons.json ({"format":"quillmoor-demons","version":1,"demons":[…]}), so
// that import and export move the same file between the two.
const key = "quillmoor.demons";

export interface MyDemonEntry {
  race: number;
  slot: number;
  level: number;
  skills: number[];
}

interface DemonsFile {
  format: "quillmoor-demons";
  version: 1;
  demons: unknown[];
}

function emptyFile(): DemonsFile {
  return { format: "quillmoor-demons", version: 1, demons: [] };
}

// The stored file's text, or null when no demons were ever kept.
export function storedDemons(): string | null {
  return localStorage.getItem(key);
}

export function storeDemons(text: string): void {
  localStorage.setItem(key, text);
}

// The stored file, as an object to change; entries qmoor finds wrong are
// kept as they are.
function storedFile(): DemonsFile {
  const text = storedDemons();
  if (text === null) return emptyFile();
  try {
    const file = JSON.parse(text) as DemonsFile;
    return Array.isArray(file.demons) ? file : emptyFile();
  } catch {
    return emptyFile();
  }
}

function write(file: DemonsFile): void {
  storeDemons(`{"format":"quillmoor-demons","version":1,"demons":[\n${file.demons.map((d) => JSON.stringify(d)).join(",\n")}\n]}\n`);
}

export function addDemon(entry: MyDemonEntry): void {
  const file = storedFile();
  file.demons.push(entry);
  write(file);
}

export function removeDemon(index: number): void {
  const file = storedFile();
  file.demons.splice(index, 1);
  write(file);
}
