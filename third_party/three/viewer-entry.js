// What the chart pages of `surfax-host plot -o chart.html` use of three.js, bundled by scripts/vendor-viewer into
// surfax-three.js: one classic script that defines the global SurfaxThree with these names.
export {
	AmbientLight,
	AnimationMixer,
	Color,
	DirectionalLight,
	DoubleSide,
	MeshPhongMaterial,
	PerspectiveCamera,
	Scene,
	SRGBColorSpace,
	WebGLRenderer,
} from 'three';
export { GLTFLoader } from 'three/addons/loaders/GLTFLoader.js';
export { OrbitControls } from 'three/addons/controls/OrbitControls.js';
