// Runs one qmoor command line on an instance of the wasm qmoor (the node
// wrapper's or the Worker's) and hands back its output, errors and exit
// status as the bytes it printed.

// The part of the emscripten module this runner uses.
export interface QmoorModule {
  HEAPU8: Uint8Array;
  _malloc(size: number): number;
  _free(pointer: number): void;
  _qmoor_run(words: number, size: number): number;
  _qmoor_output(): number;
  _qmoor_output_size(): number;
  _qmoor_errors(): number;
  _qmoor_errors_size(): number;
}

export interface QmoorAnswer {
  status: number;
  output: Uint8Array;
  errors: Uint8Array;
}

// The words as UTF-8, each ended by a NUL byte, as qmoor_run takes them.
function packWords(words: readonly string[]): Uint8Array {
  return new TextEncoder().encode(words.map((word) => word + "\0").join(""));
}

export function runQmoor(module: QmoorModule, words: readonly string[]): QmoorAnswer {
  const packed = packWords(words);
  const at = module._malloc(Math.max(packed.length, 1));
  module.HEAPU8.set(packed, at);
  let status: number;
  try {
    status = module._qmoor_run(at, packed.length);
  } finally {
    module._free(at);
  }
  // Copied out: the heap may grow (and move) on the next run.
  const copy = (pointer: number, size: number) => module.HEAPU8.slice(pointer, pointer + size);
  return {
    status,
    output: copy(module._qmoor_output(), module._qmoor_output_size()),
    errors: copy(module._qmoor_errors(), module._qmoor_errors_size()),
  };
}
