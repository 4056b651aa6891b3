// What the page takes from npm's packages, bundled by esbuild into PagePackages (CMakeLists.txt).
export { inflateSync } from 'fflate';
export { default as qrcode } from 'qrcode-generator';
