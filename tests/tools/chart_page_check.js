#!/usr/bin/env node
// Opens a chart page (surfax-host plot -o chart.html) in headless Chromium and reports what a person would see:
//
//   node chart_page_check.js CHROMIUM PAGE.html SCREENSHOT.png [--animation SECOND.png] [--frame F] [--sample I J]
//                            [--window WxH]
//
// It drives Chromium over the DevTools protocol through a pipe (--remote-debugging-pipe: no port, no npm package),
// at an 800x600 window (--window WxH another), waits until the page reports data-surfax-state "loaded" or "error" (at most 60 s), takes a
// screenshot, and prints one line per fact, "key=value":
//   state       the page's data-surfax-state at the end
//   loadSeconds from the navigation until that state (in steps of 0.1 s)
//   title       document.title
//   requests    how many requests the page made besides loading itself (every URL follows on a line "request=")
//   errors      console errors and uncaught exceptions (each follows on a line "error=")
//   captionWidth, captionHeight   the caption's corner (right and bottom edge in pixels), which covers the chart
//   captionOpen whether the caption is unfolded
//   key         the colour key's low end, high end and title as shown ("LOW|HIGH|TITLE"), or "none"
//   axisNames   the axis names shown ("x|z|y")
//   overlayBoxes   the boxes [left, top, right, bottom] of the key and the axis names, as JSON
// With --animation it also checks the play/pause control: the animation time while playing, after a pause, and
// after playing again ("time0", "time1", "paused", "pausedTime0", "pausedTime1", "resumed", "button"), and takes the
// second screenshot a quarter second after the first (while playing).
// With --frame F it moves the scrubber's slider to F as a person would (an input event), reports the frame shown
// ("frame"), then steps with the arrow keys: "frameRight" after ArrowRight, "frameLeft" after ArrowLeft.
// With --sample I J it moves the pointer to where the page projects sample (i, j) of the frame shown, and reports
// what the readout shows there: "readout" (its i, j, frame and value as JSON, the value as JavaScript's shortest text,
// which reads back to the same double), "readoutText" (the value as shown) and "readoutVisible"; then moves it to
// the bottom-left corner (x 8, y 592), where the default camera shows background, and reports "cornerReadout" and
// "cornerVisible"; a screenshot with the readout shown is written beside SCREENSHOT as NAME-readout.png.
// Every network request is also sent to a proxy on a closed port of this machine, so none can leave it.
// Exit status 0 when the page loaded, 1 otherwise, 2 for a wrong command line.
'use strict';

const { spawn } = require('child_process');
const fs = require('fs');
const path = require('path');

const args = process.argv.slice(2);
let secondShot = null, scrubTo = null, sample = null, windowSize = [800, 600], wrong = args.length < 3;
for (let a = 3; a < args.length && !wrong; ++a) {
	if (args[a] === '--animation' && a + 1 < args.length)
		secondShot = args[++a];
	else if (args[a] === '--frame' && a + 1 < args.length)
		scrubTo = Number(args[++a]);
	else if (args[a] === '--window' && a + 1 < args.length && /^\d+x\d+$/.test(args[a + 1]))
		windowSize = args[++a].split('x').map(Number);
	else if (args[a] === '--sample' && a + 2 < args.length)
		sample = [Number(args[++a]), Number(args[++a])];
	else
		wrong = true;
}
if (wrong) {
	console.error('usage: chart_page_check.js CHROMIUM PAGE.html SCREENSHOT.png [--animation SECOND.png] ' +
		'[--frame F] [--sample I J] [--window WxH]');
	process.exit(2);
}
const [chromium, pagePath, screenshotPath] = args;
const pageUrl = 'file://' + path.resolve(pagePath);

const kLoadSeconds = 60;
const profile = fs.mkdtempSync(path.join(require('os').tmpdir(), 'surfax-chromium-'));
const browser = spawn(chromium, [
	'--headless', '--no-sandbox', '--remote-debugging-pipe', '--user-data-dir=' + profile, '--window-size=' + windowSize.join(','),
	'--hide-scrollbars', '--no-first-run', '--no-default-browser-check', '--disable-background-networking',
	'--disable-component-update', '--disable-sync', '--disable-extensions', '--use-angle=swiftshader',
	'--enable-unsafe-swiftshader', '--proxy-server=127.0.0.1:9', '--proxy-bypass-list=<-loopback>', 'about:blank',
], { stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'] });
let browserLog = '';
browser.stderr.on('data', (chunk) => { browserLog += chunk; });

let nextId = 1;
const pending = new Map();
const listeners = [];
let buffer = Buffer.alloc(0);
browser.stdio[4].on('data', (chunk) => {
	buffer = Buffer.concat([buffer, chunk]);
	for (let end = buffer.indexOf(0); end >= 0; end = buffer.indexOf(0)) {
		const message = JSON.parse(buffer.subarray(0, end).toString('utf8'));
		buffer = buffer.subarray(end + 1);
		if (message.id !== undefined && pending.has(message.id)) {
			const { resolve, reject } = pending.get(message.id);
			pending.delete(message.id);
			if (message.error)
				reject(new Error(JSON.stringify(message.error)));
			else
				resolve(message.result);
		} else if (message.method) {
			for (const listener of listeners)
				listener(message);
		}
	}
});

function send(method, params = {}, sessionId = undefined) {
	const id = nextId++;
	const message = { id, method, params };
	if (sessionId)
		message.sessionId = sessionId;
	browser.stdio[3].write(JSON.stringify(message) + '\0');
	return new Promise((resolve, reject) => pending.set(id, { resolve, reject }));
}

const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));

// Prints the report once, closes Chromium (Browser.close ends its helper processes too; a kill after 5 s) and removes
// its profile once it has exited, since it writes there until then.
let finished = false;
function finish(code, lines) {
	if (finished)
		return;
	finished = true;
	for (const line of lines)
		console.log(line);
	const done = () => {
		try {
			fs.rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
		} catch (error) {
			console.log('profile=' + profile + ' not removed: ' + error.message);
		}
		process.exit(code);
	};
	if (browser.exitCode !== null || browser.signalCode !== null)
		return done();
	browser.once('exit', done);
	send('Browser.close').catch(() => {});
	setTimeout(() => browser.kill('SIGKILL'), 5000);
	setTimeout(done, 8000);
}

async function main() {
	const lines = [];
	const requests = [];
	const errors = [];
	const { targetId } = await send('Target.createTarget', { url: 'about:blank' });
	const { sessionId } = await send('Target.attachToTarget', { targetId, flatten: true });
	listeners.push((message) => {
		if (message.sessionId !== sessionId)
			return;
		const p = message.params;
		if (message.method === 'Network.requestWillBeSent' && p.request.url !== pageUrl)
			requests.push(p.request.url.slice(0, 200));
		else if (message.method === 'Runtime.consoleAPICalled' && (p.type === 'error' || p.type === 'assert'))
			errors.push('console: ' + p.args.map((a) => a.value !== undefined ? a.value : a.description).join(' '));
		else if (message.method === 'Runtime.exceptionThrown')
			errors.push('exception: ' + (p.exceptionDetails.exception ? p.exceptionDetails.exception.description :
				p.exceptionDetails.text));
		else if (message.method === 'Log.entryAdded' && p.entry.level === 'error')
			errors.push('log: ' + p.entry.text);
	});
	for (const domain of ['Network', 'Runtime', 'Log', 'Page'])
		await send(domain + '.enable', {}, sessionId);
	await send('Emulation.setDeviceMetricsOverride', { width: windowSize[0], height: windowSize[1], deviceScaleFactor: 1,
		mobile: false },
		sessionId);
	const navigated = Date.now();
	await send('Page.navigate', { url: pageUrl }, sessionId);

	const evaluate = async (expression) =>
		(await send('Runtime.evaluate', { expression, returnByValue: true }, sessionId)).result.value;
	let state = null;
	for (const start = Date.now(); Date.now() - start < kLoadSeconds * 1000; await sleep(100)) {
		state = await evaluate('document.documentElement.getAttribute("data-surfax-state")');
		if (state === 'loaded' || state === 'error')
			break;
	}
	const loadSeconds = (Date.now() - navigated) / 1000;
	// A few more frames, so that the picture is the settled one.
	await sleep(300);
	const shot = async (file) => {
		const { data } = await send('Page.captureScreenshot', { format: 'png' }, sessionId);
		fs.writeFileSync(file, Buffer.from(data, 'base64'));
	};
	await shot(screenshotPath);
	if (secondShot) {
		const time = () => evaluate('window.surfaxChart ? window.surfaxChart.animationTime() : null');
		const animation = () => evaluate('document.documentElement.getAttribute("data-surfax-animation")');
		const click = () => evaluate('document.getElementById("play").click()');
		lines.push('time0=' + await time());
		await sleep(250);
		await shot(secondShot);
		lines.push('time1=' + await time());
		await click();
		lines.push('paused=' + await animation());
		lines.push('pausedTime0=' + await time());
		await sleep(300);
		lines.push('pausedTime1=' + await time());
		lines.push('button=' + await evaluate('document.getElementById("play").textContent'));
		await click();
		await sleep(300);
		lines.push('resumed=' + await animation());
		lines.push('resumedTime=' + await time());
	}
	if (scrubTo !== null) {
		await evaluate('(() => { const s = document.getElementById("frame"); s.value = "' + scrubTo + '"; ' +
			's.dispatchEvent(new Event("input")); })()');
		await sleep(200);
		lines.push('frame=' + await evaluate('window.surfaxChart.frame()'));
		lines.push('frameLabel=' + await evaluate('document.getElementById("frame-number").textContent'));
		const key = async (code) => {
			for (const type of ['rawKeyDown', 'keyUp'])
				await send('Input.dispatchKeyEvent', { type, code, key: code, windowsVirtualKeyCode: code === 'ArrowRight' ?
					39 : 37 }, sessionId);
			await sleep(150);
		};
		await evaluate('document.activeElement && document.activeElement.blur()');
		await key('ArrowRight');
		lines.push('frameRight=' + await evaluate('window.surfaxChart.frame()'));
		await key('ArrowLeft');
		lines.push('frameLeft=' + await evaluate('window.surfaxChart.frame()'));
	}
	if (sample) {
		const move = async (x, y) => {
			await send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y }, sessionId);
			await sleep(300);
		};
		const at = await evaluate('window.surfaxChart.screenPosition(' + sample[0] + ',' + sample[1] +
			', window.surfaxChart.frame())');
		lines.push('samplePosition=' + JSON.stringify(at));
		await move(at[0], at[1]);
		const shown = await evaluate('window.surfaxChart.readout()');
		lines.push('readout=' + (shown ? JSON.stringify({ i: shown.i, j: shown.j, frame: shown.frame }) + ' ' +
			String(shown.value) : 'null'));
		lines.push('readoutText=' + await evaluate('document.getElementById("readout-y").textContent'));
		lines.push('readoutVisible=' + await evaluate('!document.getElementById("readout").hidden'));
		await shot(screenshotPath.replace(/\.png$/, '') + '-readout.png');
		await move(8, 592);
		lines.push('cornerReadout=' + JSON.stringify(await evaluate('window.surfaxChart.readout()')));
		lines.push('cornerVisible=' + await evaluate('!document.getElementById("readout").hidden'));
	}
	const corner = await evaluate('(() => { const r = document.getElementById("caption").getBoundingClientRect(); ' +
		'return [Math.ceil(r.right), Math.ceil(r.bottom)]; })()');
	lines.push('captionOpen=' + await evaluate('document.getElementById("caption").open'));
	lines.push('captionWidth=' + corner[0]);
	// What is drawn over the chart: the colour key's texts, and the boxes of the key and the axis names.
	lines.push('key=' + await evaluate('(() => { const k = document.getElementById("key"); return k.hidden ? "none" : ' +
		'[document.getElementById("key-low").textContent, document.getElementById("key-high").textContent, ' +
		'document.getElementById("key-title").textContent].join("|"); })()'));
	lines.push('axisNames=' + await evaluate('Array.from(document.querySelectorAll(".axis-name")).filter((e) => ' +
		'!e.hidden).map((e) => e.textContent).join("|")'));
	lines.push('overlayBoxes=' + await evaluate('JSON.stringify(Array.from(document.querySelectorAll("#key, ' +
		'#key-title, .axis-name")).filter((e) => !e.hidden).map((e) => { const r = e.getBoundingClientRect(); ' +
		'return [Math.floor(r.left), Math.floor(r.top), Math.ceil(r.right), Math.ceil(r.bottom)]; }))'));
	lines.push('captionHeight=' + corner[1]);
	lines.push('state=' + state);
	lines.push('loadSeconds=' + loadSeconds.toFixed(1));
	lines.push('title=' + await evaluate('document.title'));
	lines.push('requests=' + requests.length);
	for (const url of requests)
		lines.push('request=' + url);
	lines.push('errors=' + errors.length);
	for (const error of errors)
		lines.push('error=' + error.replace(/\s+/g, ' ').slice(0, 300));
	finish(state === 'loaded' ? 0 : 1, lines);
}

const timer = setTimeout(() => finish(1, ['state=timeout', 'chromium: ' + browserLog.slice(-2000)]),
	(kLoadSeconds + 30) * 1000);
timer.unref();
browser.on('exit', (code) => finish(1, ['state=chromium-exited', 'chromium exited with ' + code + ': ' +
	browserLog.slice(-2000)]));
main().catch((error) => finish(1, ['state=failed', 'failure=' + error.message, 'chromium: ' + browserLog.slice(-2000)]));
