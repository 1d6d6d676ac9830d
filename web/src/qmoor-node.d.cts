// The factory emscripten writes for the node build of the wasm qmoor.
declare function createQmoor(settings: object): Promise<any>;
export = createQmoor;
