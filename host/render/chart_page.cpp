#include "host/render/chart_page.h"

#include "host/core/base64.h"
#include "host/core/output_file.h"
#include "host/json/json_writer.h"

#include <algorithm>
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
#caption{position:absolute;left:0;top:0;margin:0;padding:6px 12px;color:#eef0f4;background:rgba(0,0,0,.45);border-bottom-right-radius:6px}
#caption .formula{font-weight:600}
#caption .hint{opacity:.7}
#play{margin-right:10px;font:inherit;padding:2px 12px}
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

	var mixer = null, action = null, played = 0;
	var button = document.getElementById('play');
	function setPlaying(playing) {
		action.paused = !playing;
		button.textContent = playing ? 'Pause' : 'Play';
		button.setAttribute('aria-pressed', playing ? 'false' : 'true');
		root.setAttribute('data-surfax-animation', playing ? 'playing' : 'paused');
	}
	window.surfaxChart = {
		animationTime: function () { return action ? played : null; }
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
			button.addEventListener('click', function () { setPlaying(action.paused); });
			window.addEventListener('keydown', function (event) {
				if (event.code === 'Space' && event.target === document.body) {
					event.preventDefault();
					setPlaying(action.paused);
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
				mixer.update(step);
			}
			last = now;
			renderer.render(scene, camera);
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

// The JSON block the page's script reads: the camera in the model's units (metres below the root node's scale), the
// background as 0..1 values and the lighting.
std::string ChartSettings(const std::vector<io::ExportScene>& frames, const ChartPageOptions& options)
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

struct StringSink
{
	std::string& out;
	void Write(const void* data, std::size_t size) { out.append(static_cast<const char*>(data), size); }
};

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

	out.reserve(viewer.size() + glb.size() / 3 * 4 + 16384);
	out += "<!DOCTYPE html>\n<html lang=\"en\" data-surfax-state=\"loading\">\n<head>\n<meta charset=\"utf-8\">\n"
	       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n"
	       "<meta name=\"generator\" content=\"surfax-host\">\n<title>";
	AppendEscaped(out, options.title);
	out += "</title>\n<style>\n";
	out += kStyle;
	out += "body{background:" + CssColor(options.background) + "}\n</style>\n</head>\n<body>\n";
	out += "<div id=\"chart\" role=\"img\" aria-label=\"";
	AppendEscaped(out, options.title);
	out += "\"></div>\n<p id=\"status\" hidden></p>\n<p id=\"caption\">";
	out += "<button id=\"play\" type=\"button\" hidden>Pause</button>";
	for (std::size_t i = 0; i < options.caption.size(); ++i)
	{
		out += i == 0 ? "<span class=\"formula\">" : "<br><span>";
		AppendEscaped(out, options.caption[i]);
		out += "</span>";
	}
	out += "<br><span class=\"hint\">Drag to turn, scroll to zoom, right-drag to pan";
	out += animated ? ", space to pause.</span></p>\n" : ".</span></p>\n";
	out += "<script type=\"application/json\" id=\"surfax-chart\">" + ChartSettings(frames, options) + "</script>\n";
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
