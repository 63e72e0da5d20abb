// ESLint for the project's JavaScript: the page's script runs in the browser as an ES module
// (with a top-level await for the WebAssembly), the browser tests and benchmarks in Node.js.
// `make lint` runs it from the top of the tree with --config, so the paths below start there.
import js from '@eslint/js';
import globals from 'globals';

export default [
  {
    ignores: ['**/node_modules/', 'build*/'],
  },
  js.configs.recommended,
  {
    files: ['web/**/*.js'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'module',
      globals: globals.browser,
    },
  },
  {
    // The service worker's template: JavaScript that the build fills in with the version and
    // the list of files.
    files: ['web/sw.js.in'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'script',
      globals: globals.serviceworker,
    },
  },
  {
    // The functions these hand to page.evaluate run in the page, so the browser's names are
    // theirs as well as Node's.
    files: ['tests/**/*.mjs', 'bench/**/*.mjs'],
    languageOptions: {
      ecmaVersion: 2022,
      sourceType: 'module',
      globals: { ...globals.node, ...globals.browser },
    },
  },
];
