// Runs the Khronos glTF validator on files and prints, for each, one line "FILE errors=E warnings=W" followed by
// its error and warning messages ("  severity code pointer: message"). Exit 1 when a file has errors or cannot be
// read, 0 otherwise.
// Usage: node validate_gltf.js MODULE_DIR FILE...   (MODULE_DIR holds node_modules/gltf-validator)
'use strict';
const fs = require('fs');
const path = require('path');

const validator = require(path.join(path.resolve(process.argv[2]), 'node_modules', 'gltf-validator'));
const severities = ['error', 'warning', 'info', 'hint'];

async function validate(file) {
	const bytes = new Uint8Array(fs.readFileSync(file));
	const report = await validator.validateBytes(bytes, {
		uri: path.basename(file),
		maxIssues: 100,
		externalResourceFunction: (uri) => Promise.reject(new Error('no external resources: ' + uri)),
	});
	const issues = report.issues;
	console.log(`${file} errors=${issues.numErrors} warnings=${issues.numWarnings}`);
	for (const m of issues.messages) {
		if (m.severity <= 1)
			console.log(`  ${severities[m.severity]} ${m.code} ${m.pointer || ''}: ${m.message}`);
	}
	return issues.numErrors === 0;
}

(async () => {
	let ok = true;
	for (const file of process.argv.slice(3)) {
		try {
			ok = (await validate(file)) && ok;
		} catch (e) {
			console.log(`${file} errors=1 warnings=0`);
			console.log(`  error READ_FAILED: ${e.message}`);
			ok = false;
		}
	}
	process.exit(ok ? 0 : 1);
})();
