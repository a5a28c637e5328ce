import { start } from './main.js';

if (document.readyState === 'loading') document.addEventListener('DOMContentLoaded', start);
else start();
