#include "host/render/chart_page.h"

#include "host/core/base64.h"
#include "host/core/output_file.h"
#include "host/json/json_writer.h"

#include <algorithm>
#include <bit>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <cmath>
#include <iterator>
#include <new>

namespace surfax::render
{
namespace
{
// The page's style: the chart fills the window, the caption sits on a dark band at its foot so that it reads on any
// background.
constexpr const char* kStyle = R"(html,body{margin:0;height:100%;overflow:hidden}
body{font:14px/1.4 system-ui,sans-serif}
#chart{position:absolute;inset:0}
#chart canvas{display:block;touch-action:none}
#caption{position:absolute;left:0;top:0;box-sizing:border-box;width:max-content;max-width:min(30em,calc(100% - 24px));margin:0;padding:6px 12px;color:#eef0f4;background:rgba(0,0,0,.45);border-bottom-right-radius:6px}
#caption summary{cursor:pointer}
#caption .formula{font-weight:600}
#caption .hint{opacity:.7}
#play{margin-right:10px;font:inherit;padding:2px 12px}
#scrubber{position:absolute;left:12px;right:12px;bottom:10px;display:flex;align-items:center;gap:10px;color:#eef0f4;background:rgba(0,0,0,.45);border-radius:6px;padding:4px 10px}
#scrubber[hidden]{display:none}
#frame{flex:1}
#frame-number{min-width:4em;font-variant-numeric:tabular-nums}
#overlay{position:absolute;inset:0;pointer-events:none;overflow:hidden}
.axis-name{position:absolute;left:0;top:0;white-space:nowrap;line-height:1;text-shadow:0 0 3px #000,0 0 2px #000}
#key{position:absolute;right:14px;top:8px;width:30%;min-width:120px;font-size:13px;line-height:1.2;text-shadow:0 0 3px #000}
#key-bar{display:block;width:100%;height:10px;margin-top:6px;outline:1px solid;outline-color:color-mix(in srgb,currentColor 55%,transparent)}
#key-marks{position:relative;height:0}
#key-marks span{position:absolute;top:0;margin-left:-4px;border:4px solid transparent;border-top:6px solid currentColor}
#key-title{position:absolute;right:calc(100% + 8px);top:3px}
#key-low{float:left;margin-top:4px}
#key-high{float:right;margin-top:4px}
#readout{position:absolute;left:0;top:0;padding:4px 8px;color:#eef0f4;background:rgba(0,0,0,.7);border-radius:4px;font-variant-numeric:tabular-nums;white-space:nowrap}
#status{position:absolute;left:0;right:0;top:40%;text-align:center;color:#eef0f4;background:rgba(0,0,0,.6);padding:12px}
)";

// The page's own script: loads the embedded model into three.js and draws it until the page closes.
constexpr const char* kPageScript = R"((function () {
	'use strict';
	var root = document.documentElement;
	var status = document.getElementById('status');
	function fail(reason) {
		root.setAttribute('data-surfax-state', 'error');
		status.textContent = 'The chart cannot be shown: ' + reason;
		status.hidden = false;
		console.error('surfax chart: ' + reason);
	}
	var T = window.SurfaxThree;
	if (!T) {
		fail('the viewer script did not run');
		return;
	}
	var chart = JSON.parse(document.getElementById('surfax-chart').textContent);
	var holder = document.getElementById('chart');
	var renderer;
	try {
		renderer = new T.WebGLRenderer({ antialias: true, alpha: true });
	} catch (e) {
		fail('this browser cannot draw WebGL (' + e.message + ')');
		return;
	}
	// The model's colours are linear: lit in linear light and encoded to sRGB for the screen, as the PNG preview does.
	renderer.outputColorSpace = T.SRGBColorSpace;
	renderer.setPixelRatio(window.devicePixelRatio || 1);
	var bg = chart.background;
	renderer.setClearColor(new T.Color().setRGB(bg[0], bg[1], bg[2], T.SRGBColorSpace), bg[3]);
	holder.appendChild(renderer.domElement);

	var scene = new T.Scene();
	var view = chart.camera;
	var camera = new T.PerspectiveCamera(view.fov, view.aspect, view.near, view.far);
	camera.position.fromArray(view.eye);
	scene.add(camera);
	// three.js divides diffuse light by pi; the preview's shares are of the colour itself.
	var light = chart.light;
	scene.add(new T.AmbientLight(0xffffff, light.ambient * Math.PI));
	[[light.key, light.keyDirection], [light.fill, light.fillDirection]].forEach(function (source) {
		var directional = new T.DirectionalLight(0xffffff, source[0] * Math.PI);
		directional.position.fromArray(source[1]);
		camera.add(directional);
		camera.add(directional.target);
	});
	var controls = new T.OrbitControls(camera, renderer.domElement);
	controls.target.fromArray(view.target);
	controls.update();

	// A window narrower than the framed picture widens the view, so the chart that fits the picture stays whole.
	function resize() {
		var width = Math.max(holder.clientWidth, 1), height = Math.max(holder.clientHeight, 1);
		var aspect = width / height;
		camera.aspect = aspect;
		camera.fov = aspect >= view.aspect ? view.fov :
			2 * Math.atan(Math.tan(view.fov * Math.PI / 360) * view.aspect / aspect) * 180 / Math.PI;
		camera.updateProjectionMatrix();
		renderer.setSize(width, height);
	}
	window.addEventListener('resize', resize);
	resize();

	// The caption folds to its first line on small windows (a click on it opens it again).
	var caption = document.getElementById('caption');
	if (window.matchMedia('(max-width: 640px), (max-height: 480px)').matches)
		caption.open = false;

	// --- Where things are on the screen -----------------------------------------------------------------------------
	var point = camera.position.clone();
	// A point of the model (page units) in CSS pixels of the chart, with its depth in front of the camera (negative
	// behind it).
	function toScreen(x, y, z) {
		point.set(x, y, z).applyMatrix4(camera.matrixWorldInverse);
		var depth = -point.z;
		point.applyMatrix4(camera.projectionMatrix);
		return [(point.x + 1) / 2 * holder.clientWidth, (1 - point.y) / 2 * holder.clientHeight, depth];
	}

	// --- The colour key and the axis names, drawn over the canvas as the PNG preview draws them ----------------------
	var textColor = 'rgb(' + chart.textColor.map(function (c) { return Math.round(c * 255); }).join(',') + ')';
	document.getElementById('overlay').style.color = textColor;
	var keyBox = document.getElementById('key');
	if (chart.key) {
		var key = chart.key;
		var bar = document.getElementById('key-bar');
		var count = key.colors.length / 3;
		bar.width = count;
		bar.height = 1;
		var context = bar.getContext('2d');
		var pixels = context.createImageData(count, 1);
		for (var c = 0; c < count; ++c) {
			for (var k = 0; k < 3; ++k)
				pixels.data[c * 4 + k] = Math.round(key.colors[c * 3 + k] * 255);
			pixels.data[c * 4 + 3] = 255;
		}
		context.putImageData(pixels, 0, 0);
		document.getElementById('key-low').textContent = key.lowText;
		document.getElementById('key-high').textContent = key.highText;
		document.getElementById('key-title').textContent = key.title;
		var marks = document.getElementById('key-marks');
		key.marks.forEach(function (value) {
			var mark = document.createElement('span');
			var span = key.high - key.low;
			var at = span > 0 ? Math.min(Math.max((value - key.low) / span, 0), 1) : 0.5;
			mark.style.left = (at * 100) + '%';
			marks.appendChild(mark);
		});
		keyBox.hidden = false;
	}
	var names = chart.axisNames.map(function (name) {
		var element = document.createElement('span');
		element.className = 'axis-name';
		element.textContent = name.text;
		document.getElementById('overlay').appendChild(element);
		return { name: name, element: element };
	});
	// Each name centred beyond the end of its edge, as large as a label there appears, clear of the end by half its
	// height.
	function placeAxisNames() {
		var focal = holder.clientHeight / 2 / Math.tan(camera.fov * Math.PI / 360);
		names.forEach(function (entry) {
			var n = entry.name;
			var from = toScreen(n.from[0], n.from[1], n.from[2]);
			var to = toScreen(n.to[0], n.to[1], n.to[2]);
			if (!(from[2] > 0 && to[2] > 0)) {
				entry.element.hidden = true;
				return;
			}
			var size = Math.min(Math.max(n.textHeight * focal / to[2], 9), 64);
			entry.element.hidden = false;
			entry.element.style.fontSize = size.toFixed(1) + 'px';
			var dx = to[0] - from[0], dy = to[1] - from[1], length = Math.sqrt(dx * dx + dy * dy);
			dx = length > 1e-3 ? dx / length : 0;
			dy = length > 1e-3 ? dy / length : -1;
			var halfWidth = entry.element.offsetWidth / 2, halfHeight = size * 0.35;
			var distance = size * 0.5 + halfWidth * Math.abs(dx) + halfHeight * Math.abs(dy);
			entry.element.style.transform = 'translate(' + (to[0] + dx * distance - halfWidth).toFixed(1) + 'px,' +
				(to[1] + dy * distance - entry.element.offsetHeight / 2).toFixed(1) + 'px)';
		});
	}

	// --- The readout: the sample under the pointer -------------------------------------------------------------------
	var readout = chart.readout;
	var readoutBox = document.getElementById('readout');
	var frameValues = [], frameHeights = [];
	var pointer = null, shownFrame = 0, picked = null;
	var gridMatrix = null, gridInverse = null;
	if (readout.absent) {
		document.getElementById('readout-note').textContent = 'No values under the pointer: ' + readout.absent + '.';
	} else {
		readout.values.forEach(function (encoded) {
			var text = atob(encoded);
			var data = new DataView(new ArrayBuffer(text.length));
			for (var b = 0; b < text.length; ++b)
				data.setUint8(b, text.charCodeAt(b));
			var values = new Float64Array(text.length / 8);
			for (var v = 0; v < values.length; ++v)
				values[v] = data.getFloat64(v * 8, true);
			frameValues.push(values);
			frameHeights.push(null);
		});
		gridMatrix = camera.matrixWorld.clone().fromArray(readout.matrix);
		gridInverse = gridMatrix.clone().invert();
	}
	// A frame's heights in the plot's own space, as the plot places its samples (NaN where a value is no number at
	// all lies at 0; infinite ones have no place).
	function heightsOf(frame) {
		if (frameHeights[frame])
			return frameHeights[frame];
		var values = frameValues[frame], a = readout.height[0], up = readout.height[1], down = readout.height[2];
		var heights = new Float64Array(values.length), largest = 0, low = Infinity, high = -Infinity;
		for (var k = 0; k < values.length; ++k) {
			var y = (values[k] === values[k] ? values[k] : 0) * a;
			if (isFinite(y))
				largest = Math.max(largest, Math.abs(y));
			if (readout.clip)
				y = Math.min(Math.max(y, -a), a);
			heights[k] = y * (y < 0 ? down : up);
		}
		var factor = readout.fit && largest > a && largest !== 0 ? a / largest : 1;
		for (k = 0; k < heights.length; ++k) {
			heights[k] *= factor;
			if (isFinite(heights[k])) {
				low = Math.min(low, heights[k]);
				high = Math.max(high, heights[k]);
			}
		}
		frameHeights[frame] = { h: heights, low: low, high: high };
		return frameHeights[frame];
	}
	function gridX(i) { return (i - readout.grid[1]) * readout.grid[0] - readout.grid[2]; }
	// Where the ray from the eye through a point of the canvas first meets the frame's height field, walking its
	// cells along the ray (each cell two triangles split along (i, j)-(i+1, j+1)): the nearest sample [i, j], or null.
	function pick(clientX, clientY, frame) {
		var rect = renderer.domElement.getBoundingClientRect();
		var ndcX = (clientX - rect.left) / rect.width * 2 - 1, ndcY = 1 - (clientY - rect.top) / rect.height * 2;
		camera.updateMatrixWorld();
		var origin = camera.position.clone().applyMatrix4(gridInverse);
		var through = camera.position.clone().set(ndcX, ndcY, 0.5).unproject(camera).applyMatrix4(gridInverse);
		// In grid units: u along i, w along j (the plot's z, mirrored in the model's axes), y the height.
		var s = readout.grid[0], first = gridX(0), n = readout.n, field = heightsOf(frame);
		var o = [(origin.x - first) / s, (-origin.z - first) / s, origin.y];
		var d = [(through.x - origin.x) / s, (-through.z + origin.z) / s, through.y - origin.y];
		if (!(field.low <= field.high))
			return null;
		var enter = 0, leave = Infinity;
		var box = [[0, n], [0, n], [field.low, field.high]];
		for (var axis = 0; axis < 3; ++axis) {
			if (Math.abs(d[axis]) < 1e-300) {
				if (o[axis] < box[axis][0] || o[axis] > box[axis][1])
					return null;
				continue;
			}
			var t0 = (box[axis][0] - o[axis]) / d[axis], t1 = (box[axis][1] - o[axis]) / d[axis];
			enter = Math.max(enter, Math.min(t0, t1));
			leave = Math.min(leave, Math.max(t0, t1));
		}
		if (!(enter <= leave))
			return null;
		var at = function (t, axis) { return o[axis] + d[axis] * t; };
		var ci = Math.min(Math.max(Math.floor(at(enter, 0)), 0), n - 1);
		var cj = Math.min(Math.max(Math.floor(at(enter, 1)), 0), n - 1);
		var stepI = d[0] > 0 ? 1 : -1, stepJ = d[1] > 0 ? 1 : -1;
		var nextI = d[0] !== 0 ? ((ci + (stepI > 0 ? 1 : 0)) - o[0]) / d[0] : Infinity;
		var nextJ = d[1] !== 0 ? ((cj + (stepJ > 0 ? 1 : 0)) - o[1]) / d[1] : Infinity;
		var deltaI = d[0] !== 0 ? Math.abs(1 / d[0]) : Infinity, deltaJ = d[1] !== 0 ? Math.abs(1 / d[1]) : Infinity;
		var h = field.h, row = n + 1;
		for (var steps = 0; steps <= 2 * n + 2; ++steps) {
			var p00 = [ci, cj, h[ci * row + cj]], p11 = [ci + 1, cj + 1, h[(ci + 1) * row + cj + 1]];
			var p10 = [ci + 1, cj, h[(ci + 1) * row + cj]], p01 = [ci, cj + 1, h[ci * row + cj + 1]];
			var t = Math.min(hitTriangle(o, d, p00, p10, p11), hitTriangle(o, d, p00, p11, p01));
			if (t < Infinity && t >= 0)
				return [Math.round(at(t, 0)), Math.round(at(t, 1))];
			if (nextI < nextJ) {
				ci += stepI;
				if (nextI > leave || ci < 0 || ci >= n)
					return null;
				nextI += deltaI;
			} else {
				cj += stepJ;
				if (nextJ > leave || cj < 0 || cj >= n)
					return null;
				nextJ += deltaJ;
			}
		}
		return null;
	}
	// The ray's parameter where it meets triangle a b c (Moeller and Trumbore), or Infinity.
	function hitTriangle(o, d, a, b, c) {
		if (!(isFinite(a[2]) && isFinite(b[2]) && isFinite(c[2])))
			return Infinity;
		var e1 = [b[0] - a[0], b[1] - a[1], b[2] - a[2]], e2 = [c[0] - a[0], c[1] - a[1], c[2] - a[2]];
		var p = [d[1] * e2[2] - d[2] * e2[1], d[2] * e2[0] - d[0] * e2[2], d[0] * e2[1] - d[1] * e2[0]];
		var det = e1[0] * p[0] + e1[1] * p[1] + e1[2] * p[2];
		if (Math.abs(det) < 1e-300)
			return Infinity;
		var q0 = [o[0] - a[0], o[1] - a[1], o[2] - a[2]];
		var u = (q0[0] * p[0] + q0[1] * p[1] + q0[2] * p[2]) / det;
		var eps = 1e-9;
		if (u < -eps || u > 1 + eps)
			return Infinity;
		var q = [q0[1] * e1[2] - q0[2] * e1[1], q0[2] * e1[0] - q0[0] * e1[2], q0[0] * e1[1] - q0[1] * e1[0]];
		var v = (d[0] * q[0] + d[1] * q[1] + d[2] * q[2]) / det;
		if (v < -eps || u + v > 1 + eps)
			return Infinity;
		var t = (e2[0] * q[0] + e2[1] * q[1] + e2[2] * q[2]) / det;
		return t >= 0 ? t : Infinity;
	}
	// Six significant digits, as JavaScript's toPrecision writes them; what no number is, in words.
	function formatValue(value) {
		if (value !== value)
			return 'no number (drawn at 0)';
		return isFinite(value) ? value.toPrecision(6) : (value > 0 ? 'infinite' : '-infinite');
	}
	function updateReadout() {
		picked = null;
		if (pointer && gridInverse) {
			var sample = pick(pointer[0], pointer[1], shownFrame);
			if (sample) {
				var k = sample[0] * (readout.n + 1) + sample[1];
				var x = readout.arguments[0] + sample[0] * readout.arguments[1];
				var z = readout.arguments[2] + sample[1] * readout.arguments[3];
				var value = frameValues[shownFrame][k];
				picked = { i: sample[0], j: sample[1], frame: shownFrame, x: x, z: z, value: value,
					text: formatValue(value) };
			}
		}
		if (!picked) {
			readoutBox.hidden = true;
			return;
		}
		document.getElementById('readout-x').textContent = formatValue(picked.x);
		document.getElementById('readout-z').textContent = formatValue(picked.z);
		document.getElementById('readout-y').textContent = picked.text;
		readoutBox.hidden = false;
		var left = pointer[0] + 14, top = pointer[1] + 14;
		if (left + readoutBox.offsetWidth > holder.clientWidth)
			left = pointer[0] - 14 - readoutBox.offsetWidth;
		if (top + readoutBox.offsetHeight > holder.clientHeight)
			top = pointer[1] - 14 - readoutBox.offsetHeight;
		readoutBox.style.transform = 'translate(' + Math.max(left, 0) + 'px,' + Math.max(top, 0) + 'px)';
	}
	renderer.domElement.addEventListener('pointermove', function (event) {
		pointer = [event.clientX, event.clientY];
	});
	renderer.domElement.addEventListener('pointerleave', function () { pointer = null; });

	// --- The animation and its scrubber ------------------------------------------------------------------------------
	var mixer = null, action = null, played = 0;
	var button = document.getElementById('play');
	var scrubber = document.getElementById('scrubber');
	var slider = document.getElementById('frame');
	var frameNumber = document.getElementById('frame-number');
	var frameCount = chart.frames;
	function setPlaying(playing) {
		action.paused = !playing;
		button.textContent = playing ? 'Pause' : 'Play';
		button.setAttribute('aria-pressed', playing ? 'false' : 'true');
		root.setAttribute('data-surfax-animation', playing ? 'playing' : 'paused');
	}
	// Stops on a whole frame: its own time (the model's keys are floats), where the morph shows that frame alone.
	function showFrame(frame) {
		frame = Math.min(Math.max(Math.round(frame), 0), frameCount - 1);
		setPlaying(false);
		action.time = Math.fround(frame / chart.fps);
		mixer.update(0);
		shownFrame = frame;
	}
	function frameAtTime() {
		return Math.min(Math.max(Math.round(action.time * chart.fps), 0), frameCount - 1);
	}
	window.surfaxChart = {
		animationTime: function () { return action ? played : null; },
		frame: function () { return shownFrame; },
		showFrame: function (frame) { if (action) showFrame(frame); },
		readout: function () { return picked; },
		// Where sample (i, j) of a frame appears in the chart, in CSS pixels.
		screenPosition: function (i, j, frame) {
			if (!gridMatrix)
				return null;
			var p = camera.position.clone().set(gridX(i), heightsOf(frame || 0).h[i * (readout.n + 1) + j], -gridX(j));
			p.applyMatrix4(gridMatrix);
			camera.updateMatrixWorld();
			return toScreen(p.x, p.y, p.z).slice(0, 2);
		}
	};

	var encoded = document.getElementById('surfax-model').textContent.trim();
	var text = atob(encoded);
	var bytes = new Uint8Array(text.length);
	for (var i = 0; i < text.length; ++i)
		bytes[i] = text.charCodeAt(i);
	new T.GLTFLoader().parse(bytes.buffer, '', function (gltf) {
		// Surfaces get the preview's shading, diffuse with a mild white highlight (the loader's PBR material adds a
		// sheen the PNG does not have); lines and points stay unlit, as in the preview.
		gltf.scene.traverse(function (object) {
			if (!object.isMesh)
				return;
			var loaded = object.material;
			object.material = new T.MeshPhongMaterial({ name: loaded.name, color: loaded.color,
				vertexColors: loaded.vertexColors, side: T.DoubleSide,
				specular: new T.Color(light.specular, light.specular, light.specular), shininess: light.shininess });
			loaded.dispose();
		});
		scene.add(gltf.scene);
		if (gltf.animations.length > 0) {
			mixer = new T.AnimationMixer(gltf.scene);
			action = mixer.clipAction(gltf.animations[0]);
			action.play();
			button.hidden = false;
			scrubber.hidden = false;
			slider.max = String(frameCount - 1);
			button.addEventListener('click', function () { setPlaying(action.paused); });
			slider.addEventListener('input', function () { showFrame(Number(slider.value)); });
			window.addEventListener('keydown', function (event) {
				// On the slider itself the arrows are the slider's own.
				if (event.target !== document.body)
					return;
				if (event.code === 'Space') {
					event.preventDefault();
					setPlaying(action.paused);
				} else if (event.code === 'ArrowLeft' || event.code === 'ArrowRight') {
					event.preventDefault();
					showFrame(shownFrame + (event.code === 'ArrowRight' ? 1 : -1));
				}
			});
			setPlaying(true);
		}
		var last = performance.now();
		var drawn = false;
		renderer.setAnimationLoop(function (now) {
			if (mixer) {
				var step = Math.max(0, (now - last) / 1000);
				played += action.paused ? 0 : step;
				mixer.update(action.paused ? 0 : step);
				if (!action.paused)
					shownFrame = frameAtTime();
				slider.value = String(shownFrame);
				frameNumber.textContent = String(chart.firstFrame + shownFrame);
			}
			last = now;
			renderer.render(scene, camera);
			placeAxisNames();
			updateReadout();
			if (!drawn) {
				drawn = true;
				root.setAttribute('data-surfax-state', 'loaded');
			}
		});
	}, function (error) {
		fail('the chart\'s glTF does not load (' + (error && error.message ? error.message : error) + ')');
	});
})();
)";

void AppendEscaped(std::string& out, const std::string& text)
{
	for (const char c : text)
	{
		switch (c)
		{
		case '&':
			out += "&amp;";
			break;
		case '<':
			out += "&lt;";
			break;
		case '>':
			out += "&gt;";
			break;
		case '"':
			out += "&quot;";
			break;
		case '\'':
			out += "&#39;";
			break;
		default:
			out += c;
		}
	}
}

// A script's text ends at the first "</script" in it whatever the script means, and "<!--" can make the parser look
// for a second one: both are written with an escaped slash or bang, which means the same inside JavaScript strings,
// the only place such text occurs in code.
void AppendScript(std::string& out, const std::string& script)
{
	std::size_t at = 0;
	for (;;)
	{
		const std::size_t open = script.find('<', at);
		if (open == std::string::npos)
			break;
		out.append(script, at, open + 1 - at);
		at = open + 1;
		if (script.compare(at, 7, "/script") == 0 || script.compare(at, 7, "/SCRIPT") == 0)
			out += '\\';
		else if (script.compare(at, 3, "!--") == 0)
			out += '\\';
	}
	out.append(script, at, std::string::npos);
}

// The camera and the lighting are floats: their doubles' digits past a float's precision mean nothing.
void FloatMember(io::JsonWriter& w, std::string_view key, double value)
{
	w.Key(key);
	w.Float32(static_cast<float>(value));
}

void VectorMember(io::JsonWriter& w, std::string_view key, const float* v, double scale)
{
	const float scaled[3] = {static_cast<float>(static_cast<double>(v[0]) * scale),
	                         static_cast<float>(static_cast<double>(v[1]) * scale),
	                         static_cast<float>(static_cast<double>(v[2]) * scale)};
	w.Key(key);
	w.Float32Array(scaled);
}

io::Bounds BoundsOfFrames(const std::vector<io::ExportScene>& frames)
{
	io::Bounds all;
	for (const io::ExportScene& frame : frames)
	{
		const io::Bounds b = io::SceneBounds(frame);
		if (b.empty)
			continue;
		for (int k = 0; k < 3; ++k)
		{
			all.min[k] = all.empty ? b.min[k] : std::min(all.min[k], b.min[k]);
			all.max[k] = all.empty ? b.max[k] : std::max(all.max[k], b.max[k]);
		}
		all.empty = false;
	}
	return all;
}

struct StringSink
{
	std::string& out;
	void Write(const void* data, std::size_t size) { out.append(static_cast<const char*>(data), size); }
};

// Doubles as base64 of their IEEE 754 bytes, little-endian whatever the machine: the page reads them back exactly.
std::string Base64Doubles(const std::vector<double>& values)
{
	std::string text;
	text.reserve((values.size() * 8 + 2) / 3 * 4);
	StringSink sink{text};
	core::Base64Writer<StringSink> base64(sink);
	for (const double value : values)
	{
		const std::uint64_t bits = std::bit_cast<std::uint64_t>(value);
		unsigned char bytes[8];
		for (int b = 0; b < 8; ++b)
			bytes[b] = static_cast<unsigned char>(bits >> (8 * b));
		base64.Write(bytes, sizeof(bytes));
	}
	base64.Finish();
	return text;
}

// The readout's grid and values, or why there is none; `unitScale` takes the scene into the model's units.
void ReadoutMember(io::JsonWriter& w, const ChartReadout& readout, double unitScale)
{
	w.Key("readout");
	w.BeginObject();
	if (!readout.absent.empty() || readout.frames.empty())
	{
		w.StringMember("absent", readout.absent.empty() ? "the chart has no values" : readout.absent);
		w.EndObject();
		return;
	}
	w.IntMember("n", readout.resolution);
	const double arguments[4] = {readout.xStart, readout.xStep, readout.zStart, readout.zStep};
	w.Key("arguments");
	w.FloatArray(arguments);
	const double grid[3] = {readout.spacing, readout.center, readout.offset};
	w.Key("grid");
	w.FloatArray(grid);
	// The plot's space into the page's model units: the root node's scale after the plot's world matrix.
	double matrix[16];
	for (int k = 0; k < 16; ++k)
		matrix[k] = readout.world[k] * (k % 4 < 3 ? unitScale : 1.0);
	w.Key("matrix");
	w.FloatArray(matrix);
	const double height[3] = {readout.halfHeight, readout.scalePositive, readout.scaleNegative};
	w.Key("height");
	w.FloatArray(height);
	w.BoolMember("clip", readout.clip);
	w.BoolMember("fit", readout.fit);
	w.Key("values");
	w.BeginArray();
	for (const std::vector<double>& frame : readout.frames)
		w.String(Base64Doubles(frame));
	w.EndArray();
	w.EndObject();
}

void Point3(io::JsonWriter& w, std::string_view key, const std::array<float, 3>& p, double scale)
{
	VectorMember(w, key, p.data(), scale);
}

// The colour key and the axis names, as the PNG preview has them.
void AnnotationMembers(io::JsonWriter& w, const ChartPageOptions& options, double unitScale)
{
	w.Key("key");
	if (!options.key.Present())
		w.Null();
	else
	{
		const ColorKey& key = options.key;
		w.BeginObject();
		w.FloatMember("low", key.low);
		w.FloatMember("high", key.high);
		w.StringMember("lowText", key.lowText);
		w.StringMember("highText", key.highText);
		w.StringMember("title", key.title);
		w.Key("marks");
		w.FloatArray(key.marks);
		std::vector<float> colors;
		for (const std::array<float, 3>& c : key.colors)
			colors.insert(colors.end(), c.begin(), c.end());
		w.Key("colors");
		w.Float32Array(colors);
		w.EndObject();
	}
	w.Key("axisNames");
	w.BeginArray();
	for (const AxisName& name : options.axisNames)
	{
		w.BeginObject();
		w.StringMember("text", name.text);
		Point3(w, "from", name.from, unitScale);
		Point3(w, "to", name.to, unitScale);
		FloatMember(w, "textHeight", name.textHeight * unitScale);
		w.EndObject();
	}
	w.EndArray();
	w.Key("textColor");
	w.Float32Array(options.textColor);
}

// The JSON block the page's script reads: the camera in the model's units (metres below the root node's scale), the
// background as 0..1 values and the lighting.
std::string ChartSettings(const std::vector<io::ExportScene>& frames, double fps, const ChartPageOptions& options)
{
	// A scene built without nodes is written flat, in scene units, without the root node's scale.
	const double scale = frames.front().nodes.empty() ? 1.0 : options.gltf.unitScale;
	const Camera camera = OrbitCamera(BoundsOfFrames(frames), options.width, options.height, options.view);
	double distance = 0.0;
	for (int k = 0; k < 3; ++k)
		distance += double(camera.eye[k] - camera.target[k]) * double(camera.eye[k] - camera.target[k]);
	distance = std::sqrt(distance) * scale;
	std::string json;
	io::JsonWriter w(json, io::JsonStyle::Compact);
	w.BeginObject();
	w.Key("camera");
	w.BeginObject();
	VectorMember(w, "eye", camera.eye, scale);
	VectorMember(w, "target", camera.target, scale);
	FloatMember(w, "fov", kPreviewFovYDegrees);
	FloatMember(w, "aspect", static_cast<double>(options.width) / static_cast<double>(options.height));
	// Near and far planes around the chart: it can be zoomed close and far without being cut.
	FloatMember(w, "near", distance * 0.005);
	FloatMember(w, "far", distance * 200.0);
	w.EndObject();
	float background[4];
	for (int k = 0; k < 4; ++k)
		background[k] = static_cast<float>(options.background[k] / 255.0);
	w.Key("background");
	w.Float32Array(background);
	w.Key("light");
	w.BeginObject();
	FloatMember(w, "ambient", kAmbientLight);
	FloatMember(w, "key", kKeyLight);
	// The lights' places in the camera's own axes: right, up, and towards the viewer (+z).
	const float keyDirection[3] = {kKeyLightRight, kKeyLightUp, 1.0f};
	w.Key("keyDirection");
	w.Float32Array(keyDirection);
	FloatMember(w, "fill", kFillLight);
	const float fillDirection[3] = {kFillLightRight, kFillLightUp, 1.0f};
	w.Key("fillDirection");
	w.Float32Array(fillDirection);
	// The highlight's strength (a linear grey, three.js's specular colour) and shininess.
	FloatMember(w, "specular", kSpecular);
	FloatMember(w, "shininess", kShininess);
	w.EndObject();
	// The frames, for the scrubber: how many and how fast the animation plays them.
	w.IntMember("frames", static_cast<std::int64_t>(frames.size()));
	w.IntMember("firstFrame", options.firstFrame);
	w.FloatMember("fps", fps);
	ReadoutMember(w, options.readout, scale);
	AnnotationMembers(w, options, scale);
	w.EndObject();
	return json;
}

// The page's background behind the canvas, as CSS; the alpha as the shortest text of its float, as in the settings.
std::string CssColor(const std::uint8_t rgba[4])
{
	char alpha[32];
	const std::to_chars_result r = std::to_chars(alpha, alpha + sizeof(alpha), static_cast<float>(rgba[3] / 255.0));
	return "rgba(" + std::to_string(rgba[0]) + "," + std::to_string(rgba[1]) + "," + std::to_string(rgba[2]) + "," +
	       std::string(alpha, r.ptr) + ")";
}

// The page's size before it is written: the model's and the values' base64, the viewer and the page's own text. A
// page larger than options.maxBytes is refused; the message names the resolution at which it would fit (the size
// grows with the square of the resolution).
bool FitsTheBrowser(const std::vector<io::ExportScene>& frames, std::size_t glbBytes, std::size_t viewerBytes,
                    const ChartPageOptions& options, std::string& error)
{
	const auto base64 = [](std::uint64_t bytes) { return (bytes + 2) / 3 * 4; };
	std::uint64_t size = base64(glbBytes) + viewerBytes + 65536;
	for (const std::vector<double>& values : options.readout.frames)
		size += base64(values.size() * sizeof(double));
	if (size <= options.maxBytes)
		return true;
	const auto megabytes = [](std::uint64_t bytes) { return std::to_string((bytes + 500000) / 1000000) + " MB"; };
	error =
	    "the page would be " + megabytes(size) + ", more than the " + megabytes(options.maxBytes) + " a browser opens";
	const std::int32_t n = options.readout.resolution;
	const double fits = n > 0 ? std::floor(n * std::sqrt(static_cast<double>(options.maxBytes) / size)) : 0.0;
	error += fits >= 1.0 ? ": choose a resolution of at most " + std::to_string(static_cast<int>(fits)) +
	                           (frames.size() > 1 ? " or fewer frames" : "")
	                     : ": choose a lower resolution" + std::string(frames.size() > 1 ? " or fewer frames" : "");
	return false;
}

// The chart's holder, what is drawn over it (the colour key, the axis names and the readout) and the caption: the
// formula on its first line, which stays when the caption folds, the rest below it. With several frames the
// scrubber along the foot.
void AppendBody(std::string& out, const ChartPageOptions& options, bool animated)
{
	out += "<div id=\"chart\" role=\"img\" aria-label=\"";
	AppendEscaped(out, options.title);
	out += "\"></div>\n<div id=\"overlay\"><div id=\"key\" hidden><span id=\"key-title\"></span>"
	       "<div id=\"key-marks\"></div><canvas id=\"key-bar\"></canvas><span id=\"key-low\"></span>"
	       "<span id=\"key-high\"></span></div>\n<div id=\"readout\" hidden>x = <span id=\"readout-x\"></span><br>"
	       "z = <span id=\"readout-z\"></span><br>value = <span id=\"readout-y\"></span></div></div>\n"
	       "<p id=\"status\" hidden></p>\n<details id=\"caption\" open><summary>";
	for (std::size_t i = 0; i < options.caption.size(); ++i)
	{
		out += i == 0 ? "<span class=\"formula\">" : i == 1 ? "<span>" : "<br><span>";
		AppendEscaped(out, options.caption[i]);
		out += i == 0 ? "</span></summary>" : "</span>";
	}
	if (options.caption.empty())
		out += "Chart</summary>";
	out += "<br><span class=\"hint\">Drag to turn, scroll to zoom, right-drag to pan";
	out += animated ? ", space to pause, arrow keys to step a frame." : ".";
	out += "<br>Point at the surface for the value there.</span>"
	       "<br><span id=\"readout-note\" class=\"hint\"></span></details>\n";
	if (animated)
		out += "<div id=\"scrubber\" hidden><button id=\"play\" type=\"button\">Pause</button>"
		       "<input id=\"frame\" type=\"range\" min=\"0\" max=\"0\" step=\"1\" value=\"0\" "
		       "aria-label=\"Frame\">frame <span id=\"frame-number\"></span></div>\n";
	else
		out += "<div id=\"scrubber\" hidden><button id=\"play\" type=\"button\">Pause</button>"
		       "<input id=\"frame\" type=\"range\" hidden><span id=\"frame-number\"></span></div>\n";
}

bool BuildPage(const std::vector<io::ExportScene>& frames, double fps, const std::string& viewer,
               const ChartPageOptions& options, std::string& out, std::string& error)
{
	if (frames.empty())
	{
		error = "a chart page needs at least one frame";
		return false;
	}
	if (options.width < 1 || options.height < 1 || options.width > kMaxPreviewSide || options.height > kMaxPreviewSide)
	{
		error = "page size " + std::to_string(options.width) + "x" + std::to_string(options.height) +
		        " is outside 1x1 to " + std::to_string(kMaxPreviewSide) + "x" + std::to_string(kMaxPreviewSide);
		return false;
	}
	std::vector<std::uint8_t> glb;
	const bool animated = frames.size() > 1;
	if (animated ? !io::EncodeAnimatedGltf(frames, fps, io::GltfContainer::Binary, glb, error, options.gltf)
	             : !io::EncodeGltf(frames.front(), io::GltfContainer::Binary, glb, error, options.gltf))
		return false;

	if (!FitsTheBrowser(frames, glb.size(), viewer.size(), options, error))
		return false;
	out.reserve(viewer.size() + glb.size() / 3 * 4 + 16384);
	out += "<!DOCTYPE html>\n<html lang=\"en\" data-surfax-state=\"loading\">\n<head>\n<meta charset=\"utf-8\">\n"
	       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
	       "<meta name=\"generator\" content=\"surfax-host\">\n<title>";
	AppendEscaped(out, options.title);
	out += "</title>\n<style>\n";
	out += kStyle;
	out += "body{background:" + CssColor(options.background) + "}\n</style>\n</head>\n<body>\n";
	AppendBody(out, options, animated);
	out +=
	    "<script type=\"application/json\" id=\"surfax-chart\">" + ChartSettings(frames, fps, options) + "</script>\n";
	out += "<script type=\"application/octet-stream\" id=\"surfax-model\">";
	StringSink sink{out};
	core::Base64Writer<StringSink> base64(sink);
	base64.Write(glb.data(), glb.size());
	base64.Finish();
	out += "</script>\n<script>\n";
	AppendScript(out, viewer);
	out += "\n</script>\n<script>\n";
	out += kPageScript;
	out += "</script>\n</body>\n</html>\n";
	return true;
}
} // namespace

bool LoadChartViewer(const std::string& path, std::string& script, std::string& error)
{
	// A folder or a device (/dev/zero never ends) is named, not read.
	std::error_code ec;
	const std::filesystem::file_status status = std::filesystem::status(path, ec);
	if (!ec && !std::filesystem::is_regular_file(status))
	{
		error = "the glTF viewer " + path + " is not a file" +
		        (std::filesystem::is_directory(status) ? std::string(" but a folder") : std::string());
		return false;
	}
	const std::uintmax_t size = ec ? 0 : std::filesystem::file_size(path, ec);
	if (!ec && size > kMaxChartViewerBytes)
	{
		error = "the glTF viewer " + path + " is larger than " + std::to_string(kMaxChartViewerBytes) + " bytes";
		return false;
	}
	std::ifstream in(path, std::ios::binary);
	if (!in)
	{
		error = "the glTF viewer " + path + " cannot be read (" + std::strerror(errno) + ")";
		return false;
	}
	std::string text;
	try
	{
		text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
	}
	catch (const std::exception&)
	{
		in.setstate(std::ios::badbit);
	}
	if (in.bad())
	{
		error = "the glTF viewer " + path + " cannot be read";
		return false;
	}
	if (text.find("SurfaxThree") == std::string::npos)
	{
		error = "the glTF viewer " + path + " is not Surfax's three.js bundle (it does not define SurfaxThree)";
		return false;
	}
	script = std::move(text);
	return true;
}

bool EncodeChartPage(const std::vector<io::ExportScene>& frames, double fps, const std::string& viewer,
                     const ChartPageOptions& options, std::string& out, std::string& error)
{
	out.clear();
	try
	{
		if (BuildPage(frames, fps, viewer, options, out, error))
			return true;
	}
	catch (const std::bad_alloc&)
	{
		error = "out of memory while writing the chart page";
	}
	out.clear();
	return false;
}

bool WriteChartPage(const std::string& path, const std::vector<io::ExportScene>& frames, double fps,
                    const std::string& viewer, const ChartPageOptions& options, std::string& error)
{
	std::string page;
	if (!EncodeChartPage(frames, fps, viewer, options, page, error))
	{
		error = path + ": " + error;
		return false;
	}
	core::OutputFile file(path);
	file.Write(page);
	return file.Commit(error);
}
} // namespace surfax::render
