// What the page and its Worker say to each other.
export interface Request {
  id: number;
  words: string[];
  mine: string | null;  // the text of my demons' demons.json, or null for none
}

export interface Answer {
  id: number;  // -1: the Worker is ready
  status: number;
  output: string;
  errors: string;
}
